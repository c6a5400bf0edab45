# The release archive of this build (32 or 64 bits), made with every build so that it never lags
# behind the program: build/<arch>/dist/vestigon-<version>-win32.zip or -win64.zip.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VESTIGON_DIST_ARCH win64)
else()
    set(VESTIGON_DIST_ARCH win32)
endif()
set(VESTIGON_DIST_NAME vestigon-${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}-${VESTIGON_DIST_ARCH})
set(VESTIGON_DIST_ZIP ${CMAKE_BINARY_DIR}/dist/${VESTIGON_DIST_NAME}.zip)

add_custom_command(OUTPUT ${VESTIGON_DIST_ZIP}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-dist
            --runnable ${VESTIGON_RUN_DIR} --lang-sources ${VESTIGON_LANG_SOURCE_DIR}
            --readme ${PROJECT_SOURCE_DIR}/README.md --license ${PROJECT_SOURCE_DIR}/LICENSE
            --top ${VESTIGON_DIST_NAME} --output ${VESTIGON_DIST_ZIP}
    DEPENDS vestigon vestigon_console ${VESTIGON_DATA_FILES} ${VESTIGON_SIGNATURE_FILES} ${VESTIGON_PROFILE_SOURCES}
            ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
            ${PROJECT_SOURCE_DIR}/tools/make-dist ${PROJECT_SOURCE_DIR}/tools/make-profile-file
    COMMENT "Release archive ${VESTIGON_DIST_NAME}.zip")
add_custom_target(vestigon_dist ALL DEPENDS ${VESTIGON_DIST_ZIP})

# The archive as a user gets it: unpacked into a fresh folder, checked for its contents and for
# being made the same way twice, then started and closed by the end-to-end driver.
if(VESTIGON_TESTS AND TARGET test_e2e AND CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME release_archive
             COMMAND sh ${PROJECT_SOURCE_DIR}/tools/check-dist ${VESTIGON_DIST_ZIP} ${VESTIGON_DIST_NAME}
                     ${CMAKE_BINARY_DIR}/dist-check $<TARGET_FILE:test_e2e>
             WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/testdata)
    set_tests_properties(release_archive PROPERTIES FIXTURES_REQUIRED test_data)
endif()
