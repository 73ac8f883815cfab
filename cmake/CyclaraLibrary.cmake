# SPDX-FileCopyrightText: 2026 The Cyclara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Each library publishes the headers of its own folder only, under the folder's name
# ("model/dates.h"): a file can include a library's header only when its target links that
# library, so the build itself keeps the layers (a chart file that includes "ui/..." does not
# compile). The folder is reached through a link in the build tree, one per library.
function(cyclara_publish_headers target)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(root ${CMAKE_BINARY_DIR}/headers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
