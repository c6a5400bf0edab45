# What checking signatures needs beside the exe: libgcrypt and libgpg-error from Debian's MinGW-w64
# packages (the program loads them at run time, so it starts without them), and the keyring of
# publishers' keys that the program ships, picked by fingerprint from Debian's keyring packages.
set(VESTIGON_GCRYPT_DIR /usr/${TOOLCHAIN_PREFIX}/bin CACHE PATH
    "Folder holding libgcrypt-20.dll and libgpg-error-0.dll for the target")
set(VESTIGON_KEYRINGS_DIR /usr/share/keyrings CACHE PATH
    "Folder holding debian-role-keys.gpg and archlinux.gpg (Debian's debian-keyring and archlinux-keyring)")
foreach(library libgcrypt-20 libgpg-error-0)
    find_file(VESTIGON_${library}_DLL ${library}.dll PATHS ${VESTIGON_GCRYPT_DIR}
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    list(APPEND VESTIGON_SIGNATURE_DLLS ${VESTIGON_${library}_DLL})
endforeach()

set(VESTIGON_KEYRING_NAME publisher_keys.gpg)
set(VESTIGON_KEYRING ${VESTIGON_RUN_DIR}/${VESTIGON_KEYRING_NAME})
set(VESTIGON_SHIPPED_KEYS
    ${VESTIGON_KEYRINGS_DIR}/debian-role-keys.gpg:DF9B9C49EAA9298432589D76DA87E80D6294BE9B
    ${VESTIGON_KEYRINGS_DIR}/debian-role-keys.gpg:10460DAD76165AD81FBC0CE9988021A964E6EA7D
    ${VESTIGON_KEYRINGS_DIR}/archlinux.gpg:3E80CA1A8B89F69CBA57D98A76A5EF9054449A5C)
add_custom_command(OUTPUT ${VESTIGON_KEYRING}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VESTIGON_RUN_DIR}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/make-keyring ${VESTIGON_KEYRING}
            ${VESTIGON_SHIPPED_KEYS}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-keyring ${VESTIGON_KEYRINGS_DIR}/debian-role-keys.gpg
            ${VESTIGON_KEYRINGS_DIR}/archlinux.gpg
    COMMENT "Keyring of publishers' keys")

# The DLLs go beside the exe and beside the test programs, which load them the same way.
set(VESTIGON_SIGNATURE_FILES ${VESTIGON_KEYRING})
foreach(dll ${VESTIGON_SIGNATURE_DLLS})
    get_filename_component(name ${dll} NAME)
    foreach(folder ${VESTIGON_RUN_DIR} ${CMAKE_BINARY_DIR}/tests)
        add_custom_command(OUTPUT ${folder}/${name}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${CMAKE_COMMAND} -E copy ${dll} ${folder}/${name}
            DEPENDS ${dll}
            COMMENT "Copying ${name} to ${folder}")
        list(APPEND VESTIGON_SIGNATURE_FILES ${folder}/${name})
    endforeach()
endforeach()
add_custom_target(vestigon_signature_files ALL DEPENDS ${VESTIGON_SIGNATURE_FILES})
add_dependencies(vestigon vestigon_signature_files)

# The 32-bit DLLs must load on Windows XP like the exe.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_custom_command(TARGET vestigon_signature_files POST_BUILD
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/check-xp-imports ${CMAKE_OBJDUMP}
                ${VESTIGON_SIGNATURE_DLLS}
        COMMENT "Checking that libgcrypt and libgpg-error suit Windows XP")
endif()
