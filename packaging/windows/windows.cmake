# The Windows layout, which the zip and the installer take as it stands: the
# executable with its program folder (lang/, the readme files, the manual), Qt's
# translations of its own dialogs, and qt.conf, which points Qt at the plugins and
# translations beside the executable. scripts/windows adds the DLLs the binaries import.
install(TARGETS kovrant RUNTIME DESTINATION .)
install(FILES ${KOVRANT_LANG_FILES} DESTINATION lang)
install(FILES ${KOVRANT_README_FILES} DESTINATION .)
install(DIRECTORY manual/ DESTINATION manual)
install(FILES ${KOVRANT_MANUAL_IMAGES} DESTINATION manual/screenshots)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)

# Qt's translations are data, the same for every platform: Debian's.
set(KOVRANT_QT_TRANSLATIONS /usr/share/qt6/translations
    CACHE PATH "The folder holding Qt's qtbase_<language>.qm files")
foreach(language IN ITEMS ru fr)
    set(translation ${KOVRANT_QT_TRANSLATIONS}/qtbase_${language}.qm)
    if(NOT EXISTS ${translation})
        message(FATAL_ERROR "${translation} is missing (Debian's qt6-translations-l10n)")
    endif()
    install(FILES ${translation} DESTINATION translations)
endforeach()
