# The translations of every text Tessary and its viewer show, built into both executables: each
# language's .ts file of translations/ made into a .qm file by Qt's lrelease, which runs on the
# build machine for a Windows build too, and beside it Qt's own translations of the same version,
# from Debian's qt6-translations-l10n, for the texts of Qt's dialogs and menus.
set(TESSARY_LANGUAGES ru uk pl pt_BR tr zh_CN)

find_program(TESSARY_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED NO_CMAKE_FIND_ROOT_PATH)
find_path(TESSARY_QT_TRANSLATIONS qtbase_ru.qm HINTS /usr/share/qt6/translations REQUIRED
          NO_CMAKE_FIND_ROOT_PATH)

# Adds the translations to the target as resources under :/translations.
function(tessary_add_translations target)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/translations)
    set(files)
    # English, as designed, holds only the forms of the texts that follow a number.
    foreach(language en ${TESSARY_LANGUAGES})
        set(ts ${PROJECT_SOURCE_DIR}/translations/tessary_${language}.ts)
        set(qm ${folder}/tessary_${language}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${TESSARY_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
            DEPENDS ${ts} VERBATIM)
        list(APPEND files ${qm})
    endforeach()
    foreach(language ${TESSARY_LANGUAGES})
        configure_file(${TESSARY_QT_TRANSLATIONS}/qtbase_${language}.qm
                       ${folder}/qtbase_${language}.qm COPYONLY)
        list(APPEND files ${folder}/qtbase_${language}.qm)
    endforeach()
    qt_add_resources(${target} translations PREFIX /translations BASE ${folder} FILES ${files})
endfunction()
