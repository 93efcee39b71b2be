# Copies the bundled Dann folder beside the programs. The chart database is the user's: it is
# copied only when the build tree has none yet, so a rebuild never overwrites saved charts.
# Arguments: -DSOURCE=<data/Dann> -DTARGET=<build/Dann>
file(GLOB_RECURSE bundled RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(relative IN LISTS bundled)
  if(relative STREQUAL "Basa.TXT" AND EXISTS "${TARGET}/${relative}")
    continue()
  endif()
  get_filename_component(folder "${TARGET}/${relative}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${SOURCE}/${relative}" "${TARGET}/${relative}" ONLY_IF_DIFFERENT)
endforeach()
