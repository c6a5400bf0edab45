# The program's own data in the runnable folder beside the exe: md5_global.ini and one
# language file per language, turned from the UTF-8 sources into UTF-16LE with a byte-order
# mark, and one compiled help file per language, built with chmcmd from the HTML sources.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(VESTIGON_CHMCMD chmcmd REQUIRED)

set(VESTIGON_LANG_SOURCE_DIR ${PROJECT_SOURCE_DIR}/resources/lang)
set(VESTIGON_HELP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/resources/help)
set(VESTIGON_DATA_FILES)

file(GLOB VESTIGON_PROFILE_SOURCES CONFIGURE_DEPENDS ${VESTIGON_LANG_SOURCE_DIR}/*.ini)
foreach(source ${VESTIGON_PROFILE_SOURCES})
    get_filename_component(name ${source} NAME)
    set(target ${VESTIGON_RUN_DIR}/${name})
    add_custom_command(OUTPUT ${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VESTIGON_RUN_DIR}
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-profile-file ${source} ${target}
        DEPENDS ${source} ${PROJECT_SOURCE_DIR}/tools/make-profile-file
        COMMENT "Profile file ${name}")
    list(APPEND VESTIGON_DATA_FILES ${target})
endforeach()

# One folder per language under resources/help, named like its .chm.
file(GLOB VESTIGON_HELP_FOLDERS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${VESTIGON_HELP_SOURCE_DIR}/*)
foreach(folder ${VESTIGON_HELP_FOLDERS})
    if(NOT IS_DIRECTORY ${folder})
        continue()
    endif()
    get_filename_component(language ${folder} NAME)
    file(GLOB help_sources CONFIGURE_DEPENDS ${folder}/*)
    set(target ${VESTIGON_RUN_DIR}/${language}.chm)
    add_custom_command(OUTPUT ${target}
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-help-file
                ${folder} ${CMAKE_BINARY_DIR}/help/${language} ${target}
        DEPENDS ${help_sources} ${PROJECT_SOURCE_DIR}/tools/make-help-file
        COMMENT "Help file ${language}.chm")
    list(APPEND VESTIGON_DATA_FILES ${target})
endforeach()

add_custom_target(vestigon_data ALL DEPENDS ${VESTIGON_DATA_FILES})
add_dependencies(vestigon vestigon_data)
