#pragma once
// The game's one author line: the window title ("FlorpVops - A game by "
// followed by it) and the About box show it, the intro's second screen and
// the credits name it.
constexpr char gameAuthorLine[] = "Odile Brambleworth";
