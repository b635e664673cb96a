# SPDX-License-Identifier: GPL-3.0-or-later
# The program's folders from the lowest layer up. A file may include the headers of its own
# layer and of the layers below it, never of one above; tests/ and bench/ stand above them all.
# Each subsystem's pure logic sits in its core/ folder, below every window, so a subsystem's
# core and its windows may lie in different layers. The layer-check test reads this table.
set(LEDRA_LAYERS
    # the settings store, the file formats and rules every other part reads
    "app/core codetables/core schedule/core radiolink/core dialogs"
    "editing/core season/core"
    "geo/core download/core"
    "bandmap/core bookmarks/core log/core"
    "sked/core bandmap/draw recordings/core"
    # the main window's subsystems: the table, the drop-downs, the receiver link, the edits
    "codetables radiolink schedule"
    "editing"
    # the features beside it, the programs on the command line, then the guide window
    "geo download bandmap bookmarks sked log recordings"
    "guide"
    "app")

# The main window's class is spread over its subsystems' folders: their files that define its
# members, and those that reach it through tmw, may include its header and its form.
set(LEDRA_MAIN_WINDOW_FOLDERS app schedule editing codetables radiolink dialogs)
set(LEDRA_MAIN_WINDOW_HEADERS app/mainwindow.h ui_mainwindow.h)
