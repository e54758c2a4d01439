# The manual pages nestrel(1) and nestrel-cli(1), made by help2man from the programs'
# own --help and --version at build time, so they cannot drift from the options.
# packaging/<program>.h2m adds what --help does not say (files, examples, see also).
# Installed gzipped without a time stamp under share/man/man1.
find_program(HELP2MAN help2man REQUIRED)
set(NESTREL_MAN_DIR ${PROJECT_BINARY_DIR}/man)
# The date on the pages is the release date, so the same sources give the same pages.
set(NESTREL_RELEASE_EPOCH 1796904000)

# ARGN: extra help2man options. help2man runs NESTREL_MAN_COMMAND (the program, or a
# command standing for it) with NESTREL_MAN_ENV in its environment.
function(nestrel_man_page program target summary)
  set(page ${NESTREL_MAN_DIR}/${program}.1)
  set(include ${PROJECT_SOURCE_DIR}/packaging/${program}.h2m)
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${NESTREL_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${NESTREL_RELEASE_EPOCH} ${NESTREL_MAN_ENV}
            ${HELP2MAN} --no-info --section=1 --manual=${PROJECT_NAME} --source=${PROJECT_NAME}
            --name=${summary} --include=${include} ${ARGN} --output=${page} ${NESTREL_MAN_COMMAND}
    COMMAND gzip -9nf -k ${page}
    DEPENDS ${target} ${include} ${NESTREL_MAN_DEPENDS}
    COMMENT "Manual page ${program}(1)"
    VERBATIM)
  add_custom_target(${program}_man ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

# nestrel-cli's page comes from --help-all (every subcommand and its options), laid out
# by packaging/nestrel-cli-help.sh.
set(NESTREL_MAN_ENV NESTREL_CLI=$<TARGET_FILE:nestrel-cli>)
set(NESTREL_MAN_COMMAND "sh ${PROJECT_SOURCE_DIR}/packaging/nestrel-cli-help.sh")
set(NESTREL_MAN_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/nestrel-cli-help.sh)
nestrel_man_page(nestrel-cli nestrel-cli "inspect, check and rewrite Nestrel neighborhood files" --help-option=--help-all)
if(NESTREL_GUI)
  set(NESTREL_MAN_ENV)
  set(NESTREL_MAN_COMMAND $<TARGET_FILE:nestrel>)
  set(NESTREL_MAN_DEPENDS)
  nestrel_man_page(nestrel nestrel "companion for a life-simulation game neighborhood")
endif()
