# The layers of the source tree run one way. The top-level CMakeLists.txt lists the layer
# folders lowest first (TESSEL_LAYERS); a file may include only from its own folder or a
# folder listed before it. The layers below render/ include no Qt header at all, render/
# includes no header of Qt Widgets or Qt Print Support, and the command-line tool (tools/)
# includes nothing above render/.
#   cmake -DSOURCE=<tree> -DWIDGET_HEADERS=<folders of Qt Widgets and Print Support headers,
#         separated by |>
#         -P Layer_Check.cmake

cmake_policy(VERSION 3.21)

file(STRINGS ${SOURCE}/CMakeLists.txt order_line REGEX "^set\\(TESSEL_LAYERS ")
string(REGEX REPLACE "^set\\(TESSEL_LAYERS (.*)\\)$" "\\1" order "${order_line}")
separate_arguments(layers UNIX_COMMAND "${order}")
list(LENGTH layers layer_count)
if(layer_count LESS 2)
    message(FATAL_ERROR "CMakeLists.txt names no layer order (set(TESSEL_LAYERS ...))")
endif()
list(FIND layers render render_rank)

# The class headers of the Qt libraries that render/ and the tool must stay clear of.
set(widget_classes "")
string(REPLACE "|" ";" widget_dirs "${WIDGET_HEADERS}")
foreach(dir IN LISTS widget_dirs)
    file(GLOB headers RELATIVE ${dir} ${dir}/Q*)
    list(APPEND widget_classes ${headers})
endforeach()
list(REMOVE_DUPLICATES widget_classes)
list(LENGTH widget_classes widget_class_count)
if(widget_class_count LESS 10)
    message(FATAL_ERROR "No Qt Widgets headers found in '${WIDGET_HEADERS}'")
endif()

set(failures "")
set(checked 0)

# check_file(<file> <rank of its layer, or the highest rank it may include>)
function(check_file f rank)
    file(RELATIVE_PATH rel ${SOURCE} ${f})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS lines)
        if(line MATCHES "#[ \t]*include[ \t]*\"([a-z_]+)/")
            list(FIND layers ${CMAKE_MATCH_1} included)
            if(included GREATER rank)
                set(failures "${failures}\n  ${rel}: ${line}  (${CMAKE_MATCH_1}/ is above it)")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)(/[A-Za-z]+)?>")
            set(qt ${CMAKE_MATCH_1})
            if(CMAKE_MATCH_2)
                string(SUBSTRING "${CMAKE_MATCH_2}" 1 -1 qt_class)
            else()
                set(qt_class ${qt})
            endif()
            if(rank LESS render_rank)
                set(failures "${failures}\n  ${rel}: ${line}  (Qt-free layer)")
            elseif(rank LESS_EQUAL render_rank AND
                   (qt_class IN_LIST widget_classes OR qt MATCHES "^Qt(Widgets|PrintSupport)$"))
                set(failures "${failures}\n  ${rel}: ${line}  (no Qt Widgets below widgets/)")
            endif()
        endif()
    endforeach()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

set(rank 0)
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE files ${SOURCE}/${layer}/*.h ${SOURCE}/${layer}/*.cpp)
    foreach(f IN LISTS files)
        check_file(${f} ${rank})
        math(EXPR checked "${checked} + 1")
    endforeach()
    math(EXPR rank "${rank} + 1")
endforeach()
file(GLOB_RECURSE tool_files ${SOURCE}/tools/*.h ${SOURCE}/tools/*.cpp)
foreach(f IN LISTS tool_files)
    check_file(${f} ${render_rank})
    math(EXPR checked "${checked} + 1")
endforeach()

# Every source folder at the top is a layer, the tool, or one of the folders beside them.
file(GLOB tops LIST_DIRECTORIES true RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(top IN LISTS tops)
    if(IS_DIRECTORY ${SOURCE}/${top} AND NOT top IN_LIST layers)
        file(GLOB_RECURSE stray ${SOURCE}/${top}/*.cpp)
        if(stray AND NOT top MATCHES "^(tools|tests|bench|build|desktop|docs|scripts|debian)$")
            set(failures "${failures}\n  ${top}/: sources outside the layers")
        endif()
    endif()
endforeach()

if(failures)
    message(FATAL_ERROR "Includes that cross a layer the wrong way:${failures}")
endif()
message(STATUS "${checked} files in ${layer_count} layers include only downwards")
