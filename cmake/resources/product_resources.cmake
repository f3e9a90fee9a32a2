# The resources of what we ship, and the manifest for the programs that run our windows.
set(TESSEL_RESOURCES_DIR ${CMAKE_CURRENT_LIST_DIR})

# The resource line of the application manifest (common controls 6, DPI awareness, supported
# Windows versions, no elevation): 1 and 24 are CREATEPROCESS_MANIFEST_RESOURCE_ID and RT_MANIFEST.
function(tessel_manifest_line out)
  set(TESSEL_VERSION_FOUR ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
  set(manifest ${CMAKE_BINARY_DIR}/tessel.manifest)
  configure_file(${TESSEL_RESOURCES_DIR}/tessel.manifest ${manifest} @ONLY)
  set(${out} "1 24 \"${manifest}\"" PARENT_SCOPE)
endfunction()

# tessel_application_manifest(TARGET): the manifest alone, so that test programs create their
# windows with the same common controls and DPI handling as the client.
function(tessel_application_manifest target)
  tessel_manifest_line(line)
  set(rc ${CMAKE_BINARY_DIR}/tessel_manifest.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT "${line}\n")
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${TESSEL_RESOURCES_DIR}/tessel.manifest)
  target_sources(${target} PRIVATE ${rc})
endfunction()

# tessel_product_resources(TARGET FILE_NAME DESCRIPTION): the program's icon and the product's
# version, shown in Explorer's properties, for a file we ship; a program also gets the manifest.
# The description is UTF-8.
function(tessel_product_resources target file_name description)
  set(TESSEL_FILE_NAME ${file_name})
  set(TESSEL_DESCRIPTION ${description})
  get_filename_component(TESSEL_INTERNAL_NAME ${file_name} NAME_WE)
  set(TESSEL_ICON ${CMAKE_SOURCE_DIR}/assets/tessel.ico)
  set(TESSEL_VERSION_FOUR ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
  set(TESSEL_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(TESSEL_FILE_TYPE VFT_APP)
    tessel_manifest_line(TESSEL_MANIFEST_LINE)
  else()
    set(TESSEL_FILE_TYPE VFT_DLL)
    set(TESSEL_MANIFEST_LINE "")
  endif()

  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_product.rc)
  configure_file(${TESSEL_RESOURCES_DIR}/product.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES COMPILE_OPTIONS "--codepage=65001"
    OBJECT_DEPENDS "${TESSEL_ICON};${TESSEL_RESOURCES_DIR}/tessel.manifest")
  target_sources(${target} PRIVATE ${rc})
endfunction()
