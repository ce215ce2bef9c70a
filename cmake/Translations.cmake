# The program's translations.
#
# translations/cinelog_<lang>.ts hold the translators' work; the build compiles each into
# <build>/translations/cinelog_<lang>.qm (installed to <prefix>/share/cinelog/translations).
# Developers refresh the .ts files from the sources with
#     cmake --build build --target cinelog_lupdate
# which writes the source tree, so no ordinary build runs it.
#
# The build also makes a pseudo-translation, cinelog_pseudo.qm, in the build tree only: every text
# lupdate finds in src/ wrapped in markers. The i18n tests load it to find texts that bypass tr().

find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(CINELOG_LANGUAGES de fr es CACHE STRING "Languages the program is translated into")
set(CINELOG_TRANSLATIONS_SUBDIR "${CMAKE_INSTALL_DATADIR}/cinelog/translations")
set(CINELOG_BUILD_TRANSLATIONS_DIR "${CMAKE_BINARY_DIR}/translations")
option(CINELOG_CHECK_TRANSLATIONS
       "Test that every translation is complete and up to date (turn off only while a language is being written)" ON)

set(cinelog_ts_files "")
set(cinelog_qm_files "")
foreach(lang IN LISTS CINELOG_LANGUAGES)
    set(ts "${CMAKE_SOURCE_DIR}/translations/cinelog_${lang}.ts")
    set(qm "${CINELOG_BUILD_TRANSLATIONS_DIR}/cinelog_${lang}.qm")
    list(APPEND cinelog_ts_files "${ts}")
    list(APPEND cinelog_qm_files "${qm}")
    add_custom_command(OUTPUT "${qm}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${CINELOG_BUILD_TRANSLATIONS_DIR}"
        COMMAND Qt6::lrelease -silent "${ts}" -qm "${qm}"
        DEPENDS "${ts}" Qt6::lrelease
        COMMENT "Compiling the ${lang} translation"
        VERBATIM)
endforeach()

# What lupdate reads: every source file of the program.
file(GLOB_RECURSE cinelog_tr_sources CONFIGURE_DEPENDS
     "${CMAKE_SOURCE_DIR}/src/*.cpp" "${CMAKE_SOURCE_DIR}/src/*.h")
# logged("Context", "text") (src/base/LoggedText.h) is a translatable text like translate().
set(cinelog_lupdate_options -locations none -no-ui-lines -extensions cpp,h -tr-function-alias translate+=logged)

# The texts of the sources as they are now, in the build tree: made afresh each time (never merged
# with an earlier run, so a text taken out of the sources is gone from it), then marked.
set(source_ts "${CINELOG_BUILD_TRANSLATIONS_DIR}/cinelog_source.ts")
set(pseudo_ts "${CINELOG_BUILD_TRANSLATIONS_DIR}/cinelog_pseudo.ts")
set(pseudo_qm "${CINELOG_BUILD_TRANSLATIONS_DIR}/cinelog_pseudo.qm")
set(pseudo_script "${CMAKE_SOURCE_DIR}/scripts/i18n/pseudo-translate.py")
add_custom_command(OUTPUT "${source_ts}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CINELOG_BUILD_TRANSLATIONS_DIR}"
    COMMAND ${CMAKE_COMMAND} -E rm -f "${source_ts}"
    COMMAND Qt6::lupdate -silent ${cinelog_lupdate_options} -source-language en -target-language en
            "${CMAKE_SOURCE_DIR}/src" -ts "${source_ts}"
    DEPENDS ${cinelog_tr_sources} Qt6::lupdate
    COMMENT "Collecting the program's texts"
    VERBATIM)
add_custom_command(OUTPUT "${pseudo_qm}"
    COMMAND Python3::Interpreter "${pseudo_script}" "${source_ts}" "${pseudo_ts}"
    COMMAND Qt6::lrelease -silent "${pseudo_ts}" -qm "${pseudo_qm}"
    DEPENDS "${source_ts}" "${pseudo_script}" Qt6::lrelease
    COMMENT "Making the pseudo-translation"
    VERBATIM)

add_custom_target(cinelog_translations ALL DEPENDS ${cinelog_qm_files} "${pseudo_qm}")
install(FILES ${cinelog_qm_files} DESTINATION "${CINELOG_TRANSLATIONS_SUBDIR}")

# Refreshes translations/*.ts from the sources (new texts are added unfinished, texts no longer in
# the sources are dropped). Run by hand; commit the result.
add_custom_target(cinelog_lupdate
    COMMAND Qt6::lupdate ${cinelog_lupdate_options} -no-obsolete -source-language en
            "${CMAKE_SOURCE_DIR}/src" -ts ${cinelog_ts_files}
    WORKING_DIRECTORY "${CMAKE_SOURCE_DIR}"
    COMMENT "Updating translations/*.ts from the sources"
    VERBATIM)

# The file names and folders the program and the tests use.
set(CINELOG_PSEUDO_QM "${pseudo_qm}")
set(CINELOG_SOURCE_TS "${source_ts}")
