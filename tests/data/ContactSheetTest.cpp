// Renders the contact sheet of every picture (tinted black on a light sky
// and untinted on a dark night) to artifacts/contact_sheet.png, for people
// to look the set over, and the mock-up of a few screens built from them.
#include <cairo.h>
#include <gtest/gtest.h>

#include "tools/datagen/ContactSheet.h"
#include "tools/datagen/DataCatalogue.h"

TEST(ContactSheet, RendersEveryPictureOntoOneSheet) {
  const char* out = "artifacts/contact_sheet.png";
  ASSERT_TRUE(MakeContactSheet("data", out));
  cairo_surface_t* sheet = cairo_image_surface_create_from_png(out);
  ASSERT_EQ(cairo_surface_status(sheet), CAIRO_STATUS_SUCCESS);
  EXPECT_GT(cairo_image_surface_get_width(sheet), 1000);
  EXPECT_GT(cairo_image_surface_get_height(sheet), 1000);
  cairo_surface_destroy(sheet);
}

TEST(ContactSheet, RendersTheScenePreview) {
  const char* out = "artifacts/scene_preview.png";
  ASSERT_TRUE(MakeScenePreview("data", out));
  cairo_surface_t* preview = cairo_image_surface_create_from_png(out);
  ASSERT_EQ(cairo_surface_status(preview), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(preview), 2048);
  cairo_surface_destroy(preview);
}
