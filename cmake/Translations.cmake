# The program's translations. po/nestrel.pot is the message template, made by xgettext
# from every text the sources mark: _() and tr() where a text is shown, N_() where a
# text waits in a table, and the literal arguments of wxGetTranslation(). Whoever adds
# or changes texts runs
#     cmake --build build --target nestrel-pot        (the template, from the sources)
#     cmake --build build --target nestrel-po-update  (each po/<lang>.po merged with it)
# and translates what msgmerge left untranslated or fuzzy. The test
# translations.template fails when the template or a catalogue falls behind the sources.
# Each po/<lang>.po named in po/LINGUAS is compiled by msgfmt into
# <build>/locale/<lang>/LC_MESSAGES/nestrel.mo and installed under share/locale.
find_program(XGETTEXT xgettext REQUIRED)
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGMERGE msgmerge REQUIRED)
find_program(MSGATTRIB msgattrib REQUIRED)

set(NESTREL_PO_DIR ${PROJECT_SOURCE_DIR}/po)
set(NESTREL_LOCALE_BUILD_DIR ${PROJECT_BINARY_DIR}/locale)
file(STRINGS ${NESTREL_PO_DIR}/LINGUAS NESTREL_LINGUAS REGEX "^[a-z]")

add_custom_target(nestrel-pot
  COMMAND bash ${PROJECT_SOURCE_DIR}/po/make-pot.sh ${PROJECT_SOURCE_DIR} ${NESTREL_PO_DIR}/nestrel.pot
          ${PROJECT_VERSION}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Message template po/nestrel.pot from the sources"
  VERBATIM)

set(NESTREL_MO_FILES)
set(NESTREL_PO_UPDATE_COMMANDS)
foreach(lang IN LISTS NESTREL_LINGUAS)
  set(po ${NESTREL_PO_DIR}/${lang}.po)
  set(mo ${NESTREL_LOCALE_BUILD_DIR}/${lang}/LC_MESSAGES/nestrel.mo)
  add_custom_command(
    OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${NESTREL_LOCALE_BUILD_DIR}/${lang}/LC_MESSAGES
    COMMAND ${MSGFMT} --check --output-file=${mo} ${po}
    DEPENDS ${po}
    COMMENT "Catalogue ${lang}"
    VERBATIM)
  list(APPEND NESTREL_MO_FILES ${mo})
  list(APPEND NESTREL_PO_UPDATE_COMMANDS
       COMMAND ${MSGMERGE} --quiet --update --backup=none --add-location=file ${po} ${NESTREL_PO_DIR}/nestrel.pot
       COMMAND ${MSGATTRIB} --no-obsolete --output-file=${po} ${po})
  install(FILES ${mo} DESTINATION ${CMAKE_INSTALL_LOCALEDIR}/${lang}/LC_MESSAGES)
endforeach()
add_custom_target(nestrel_translations ALL DEPENDS ${NESTREL_MO_FILES})
add_custom_target(nestrel-po-update ${NESTREL_PO_UPDATE_COMMANDS}
  COMMENT "Catalogues merged with po/nestrel.pot"
  VERBATIM)

if(NESTREL_TESTS)
  add_test(NAME translations.template
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/translations/check.sh ${PROJECT_SOURCE_DIR})
endif()
