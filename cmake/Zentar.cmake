# zentar_folder(<folder> [DEPENDS <targets>...])
# Makes the static library zentar_<folder> from every source in the folder.
# A folder's schema.sql is compiled in as the resource ":/schema/<folder>.sql";
# the schema registry in db/ runs every such file.
function(zentar_folder folder)
  cmake_parse_arguments(ZF "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  set(target zentar_${folder})
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$|\\.ui$")
  set(cpp_sources ${sources})
  list(FILTER cpp_sources INCLUDE REGEX "\\.cpp$")
  if(NOT cpp_sources)
    # A folder without code yet: nothing to compile, but others may already link it.
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ZF_DEPENDS})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ZF_DEPENDS} Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Sql Qt6::PrintSupport)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/schema.sql)
    set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/schema.sql PROPERTIES QT_RESOURCE_ALIAS ${folder}.sql)
    qt_add_resources(${target} schema_${folder} PREFIX /schema FILES schema.sql)
  endif()
  file(GLOB resources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/*)
  if(resources)
    qt_add_resources(${target} data_${folder} PREFIX /${folder} BASE ${CMAKE_CURRENT_SOURCE_DIR}/resources FILES ${resources})
  endif()
endfunction()

# The features every window folder may use.
set(ZENTAR_FEATURE_DEPENDS zentar_platform zentar_db)
