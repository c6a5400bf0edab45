# The framework (src/) is a library of its own that knows nothing of the program; the program's
# classes (app/, in rooms by capability) form a second library on top of it; the executable adds
# only the entry point, the global application object and the resources.
file(GLOB_RECURSE VROK_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.cpp)
add_library(vrok STATIC ${VROK_SOURCES})
target_include_directories(vrok PUBLIC ${PROJECT_SOURCE_DIR}/src)
# The SHA instructions are enabled in the one file that uses them, and only where it is built for
# 64 bits; everything else runs on any processor of its architecture.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set_source_files_properties(${PROJECT_SOURCE_DIR}/src/vrok_business/vrok_shaextensions.cpp
                                PROPERTIES COMPILE_OPTIONS "-msha;-msse4.1")
endif()
target_link_libraries(vrok PUBLIC comctl32 comdlg32 shlwapi shell32 ole32 gdi32 user32 kernel32)

file(GLOB_RECURSE VESTIGON_CORE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/app/*.cpp)
list(FILTER VESTIGON_CORE_SOURCES EXCLUDE REGEX "/app/vestigon(_console)?_main\\.cpp$")
add_library(vestigon_core STATIC ${VESTIGON_CORE_SOURCES})
target_include_directories(vestigon_core PUBLIC ${PROJECT_SOURCE_DIR}/app ${PROJECT_SOURCE_DIR}/resources
                                                 ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(vestigon_core PUBLIC vrok)

# The runnable folder: the exe with its profile files and help files beside it.
set(VESTIGON_RUN_DIR ${CMAKE_BINARY_DIR}/vestigon)

add_executable(vestigon WIN32 ${PROJECT_SOURCE_DIR}/app/vestigon_main.cpp)
# The console companion, vestigon.com, from the same code: cmd and PowerShell find it first when
# `vestigon` is typed and wait for it; without an option it starts vestigon.exe.
add_executable(vestigon_console ${PROJECT_SOURCE_DIR}/app/vestigon_console_main.cpp)
set_target_properties(vestigon_console PROPERTIES OUTPUT_NAME vestigon SUFFIX .com)
foreach(program vestigon vestigon_console)
    target_link_libraries(${program} PRIVATE vestigon_core)
    # No link time in the header and no symbols: the same sources give the same exe.
    target_link_options(${program} PRIVATE -municode -Wl,--no-insert-timestamp -s)
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VESTIGON_RUN_DIR})
endforeach()

# The version, written once in project() in CMakeLists.txt, goes into the version resource and
# the manifest, both made into the build folder.
set(VESTIGON_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
set(VESTIGON_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/resources/vestigon_version.h.in ${VESTIGON_GENERATED_DIR}/vestigon_version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/vestigon.manifest.in ${VESTIGON_GENERATED_DIR}/vestigon.manifest @ONLY)
set(VESTIGON_GENERATED_FILES ${VESTIGON_GENERATED_DIR}/vestigon_version.h ${VESTIGON_GENERATED_DIR}/vestigon.manifest)

# Pictures (icon and bitmaps, the bitmaps at 1x, 1.5x and 2x) are drawn at build time by the
# project's own generator, and the resource script picks them up from the build folder.
set(VESTIGON_PICTURES_DIR ${CMAKE_BINARY_DIR}/pictures)
if(EXISTS ${PROJECT_SOURCE_DIR}/resources/make_pictures.py)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(VESTIGON_PICTURES ${VESTIGON_PICTURES_DIR}/vestigon.ico)
    foreach(scale "" _150 _200)
        foreach(name verdict_equal verdict_signed verdict_unknown verdict_warning verdict_different about)
            list(APPEND VESTIGON_PICTURES ${VESTIGON_PICTURES_DIR}/${name}${scale}.bmp)
        endforeach()
    endforeach()
    add_custom_command(OUTPUT ${VESTIGON_PICTURES}
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/resources/make_pictures.py ${VESTIGON_PICTURES_DIR}
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/make_pictures.py
        COMMENT "Drawing the icon and bitmaps")
    add_custom_target(vestigon_pictures DEPENDS ${VESTIGON_PICTURES})
endif()
# Both programs carry the icon, the version and the manifest.
if(EXISTS ${PROJECT_SOURCE_DIR}/resources/vestigon.rc)
    foreach(program vestigon vestigon_console)
        target_sources(${program} PRIVATE ${PROJECT_SOURCE_DIR}/resources/vestigon.rc)
        target_include_directories(${program} PRIVATE ${VESTIGON_PICTURES_DIR} ${VESTIGON_GENERATED_DIR}
                                                      ${PROJECT_SOURCE_DIR}/resources)
        if(TARGET vestigon_pictures)
            add_dependencies(${program} vestigon_pictures)
        endif()
    endforeach()
    if(TARGET vestigon_pictures)
        set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/vestigon.rc PROPERTIES
                                    OBJECT_DEPENDS "${VESTIGON_PICTURES};${VESTIGON_GENERATED_FILES}")
    endif()
endif()

# The 32-bit programs must start on Windows XP: after every link their imports are checked
# against the functions XP's system libraries export (newer ones are looked up at run time
# instead), and the manifest against the form XP accepts.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    add_custom_command(TARGET vestigon_console POST_BUILD
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/check-xp-imports ${CMAKE_OBJDUMP}
                $<TARGET_FILE:vestigon_console>
        COMMENT "Checking that vestigon.com suits Windows XP")
    add_custom_command(TARGET vestigon POST_BUILD
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/check-xp-imports ${CMAKE_OBJDUMP}
                $<TARGET_FILE:vestigon>
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/check-manifest
                ${VESTIGON_GENERATED_DIR}/vestigon.manifest
        COMMENT "Checking that vestigon.exe and its manifest suit Windows XP")
endif()
