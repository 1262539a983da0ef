# Fails when a source folder includes a folder above it. The folders from the bottom up:
# platform <- settings <- i18n <- decks <- spreads <- table <- (editor, readings, music,
# export) <- app. Folders on one level do not include each other; nothing includes app/.
# Run as: cmake -DSOURCE_DIR=<source tree> -P IncludeDirection.cmake
cmake_minimum_required(VERSION 3.20)

set(level_platform 0)
set(level_settings 1)
set(level_i18n 2)
set(level_decks 3)
set(level_spreads 4)
set(level_table 5)
set(level_editor 6)
set(level_readings 6)
set(level_music 6)
set(level_export 6)
set(level_app 7)

# The spread engine deals into the table's card, deck-slot and reading-state types, which have
# no widgets.
set(table_types_for_spreads table/Card.h table/DeckSlots.h table/ReadingState.h)

# Single crossings, as "including file -> included file".
set(allowed)

set(violations "")
foreach(folder platform settings i18n decks spreads table editor readings music export app)
    file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
         "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "\"(([a-z0-9_]+)/[^\"]+)\"")
                continue()
            endif()
            set(included "${CMAKE_MATCH_1}")
            set(target "${CMAKE_MATCH_2}")
            if(NOT DEFINED level_${target} OR target STREQUAL folder)
                continue()
            endif()
            if(level_${target} LESS level_${folder})
                continue()
            endif()
            if("${source} -> ${included}" IN_LIST allowed)
                continue()
            endif()
            if(folder STREQUAL "spreads" AND included IN_LIST table_types_for_spreads)
                continue()
            endif()
            string(APPEND violations "  ${source} includes ${included}\n")
        endforeach()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes against the folder order:\n${violations}")
endif()
