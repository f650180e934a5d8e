# The layers of the source tree run one way: model (records, geometry, files) is below the
# engines, check and locking, which are below the window, page and palette. This script fails
# when an include crosses a layer the wrong way, or when Qt reaches the core or the logic.
#   cmake -DSOURCE=<tree> -P Layer_Check.cmake

set(failures "")

# check(<folder or file glob> <forbidden include pattern> <why>)
function(check glob pattern why)
    file(GLOB files ${SOURCE}/${glob})
    foreach(f IN LISTS files)
        file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS lines)
            if(line MATCHES "${pattern}")
                file(RELATIVE_PATH rel ${SOURCE} ${f})
                set(failures "${failures}\n  ${rel}: ${line}  (${why})" PARENT_SCOPE)
            endif()
        endforeach()
    endforeach()
endfunction()

foreach(ext h cpp)
    check("model/*.${ext}" "\"(page|palette|app|logic)/" "the model includes nothing above it")
    check("page/*.${ext}" "\"app/" "the page never reaches the window")
    check("palette/*.${ext}" "\"app/" "the palettes never reach the window")
    check("logic/*.${ext}" "\"(palette|app)/|<Q" "the puzzle logic is Qt-free")
    check("model/*.${ext}" "<Q" "the core is Qt-free")
endforeach()

# The core's files outside model/: the engines, the check, locking and loading, and the
# block geometry faces of the two board kinds.
foreach(f page/Candidate_Engine page/Fast_Engine page/Entry_Check page/Number_Locking
          page/Puzzle_Loading page/Game_Session page/Board_Cursor palette/Board_Kind_9x9 palette/Board_Kind_6x6)
    foreach(ext h cpp)
        check("${f}.${ext}" "<Q|\"page/(Board_Picture|Boards_Layout|Busy_Cursor|Page_Overlay)|\"palette/(Original|Selection|Board_Drawing)"
              "the core is Qt-free and below the window")
    endforeach()
endforeach()

if(failures)
    message(FATAL_ERROR "Includes that cross a layer the wrong way:${failures}")
endif()
