# tamrel_units(TARGET FOLDER UNIT...): adds FOLDER/UNIT.h to TARGET, with
# FOLDER/UNIT.cpp and FOLDER/UNIT.ui where they exist, so that a subsystem
# lists each of its units once.
function(tamrel_units target folder)
  foreach(unit IN LISTS ARGN)
    foreach(ext h cpp ui)
      set(file ${folder}/${unit}.${ext})
      if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${file})
        target_sources(${target} PRIVATE ${file})
      endif()
    endforeach()
  endforeach()
endfunction()
