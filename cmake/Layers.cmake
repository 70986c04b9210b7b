# The game's layers, lowest first, and the folders each may include and link
# against (itself and those below it). The main program, the tools and the
# tests stand above them all.
set(layers platform shared engine gameplay screens scenery game)
set(below_platform platform)
set(below_shared shared)
set(below_engine platform shared engine)
set(below_gameplay platform shared engine gameplay)
set(below_screens platform shared engine gameplay screens)
set(below_scenery platform shared engine gameplay scenery)
set(below_game platform shared engine gameplay screens scenery game)
