# The kit for writing shape kinds outside the program: the headers a kind includes, the
# CMake package that finds them (find_package(Kestrune) gives Kestrune::Kit and
# kestrune_add_kind_plugin), and the folder the program loads installed plugins from.
include(CMakePackageConfigHelpers)

set(KESTRUNE_KIND_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/kestrune/kinds)
file(RELATIVE_PATH kind_dir_from_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/kestrune/kinds)
target_compile_definitions(kestrune_core PRIVATE KESTRUNE_KIND_DIR="${kind_dir_from_program}")

# Every header a kind sees, and nothing of the dialog service, app/ or file/.
set(KESTRUNE_KIT_HEADERS
    shapes/Int32Wrap.h shapes/OutlineDrag.h shapes/ShapeBox.h shapes/ShapeKind.h shapes/ShapeValues.h shapes/cEditDialogOwner.h
    shapes/cShapeBase.h shapes/cShapeOf.h shapes/iKindPlugin.h shapes/iShape.h
    shapes/iShapeProperties.h ui/GraphicService.h ui/GraphicTypes.h ui/WindowTypes.h)
set(kit_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/kestrune)
foreach(header IN LISTS KESTRUNE_KIT_HEADERS)
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${header} DESTINATION ${kit_include_dir}/${folder} COMPONENT dev)
endforeach()

add_library(kestrune_kit INTERFACE)
set_target_properties(kestrune_kit PROPERTIES EXPORT_NAME Kit)
target_include_directories(kestrune_kit INTERFACE $<INSTALL_INTERFACE:${kit_include_dir}>)
target_compile_features(kestrune_kit INTERFACE cxx_std_20)
target_link_libraries(kestrune_kit INTERFACE Qt6::Core)
install(TARGETS kestrune_kit EXPORT KestruneTargets COMPONENT dev)

set(package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Kestrune)
install(EXPORT KestruneTargets NAMESPACE Kestrune:: DESTINATION ${package_dir} COMPONENT dev)
configure_package_config_file(cmake/KestruneConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/KestruneConfig.cmake
                              INSTALL_DESTINATION ${package_dir})
# A plugin built with one kit version loads into a program of that version only.
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/KestruneConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/KestruneConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/KestruneConfigVersion.cmake
              cmake/KestruneKindPlugin.cmake
        DESTINATION ${package_dir} COMPONENT dev)
# The example to copy goes with the kit.
install(DIRECTORY examples/kinds DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrune-dev/examples
        COMPONENT dev)

# Two Debian packages: the program, and the kit that depends on that very program.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program dev)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME kestrune)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME kestrune-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "kestrune (= ${PROJECT_VERSION}), qt6-base-dev")
set(CPACK_DEBIAN_DEV_DESCRIPTION "The kit for writing shape kinds as plugins that Kestrune\n\
loads at start-up: the headers a kind needs, and a CMake package\n\
for find_package(Kestrune).")
