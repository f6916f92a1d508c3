# kestrune_add_kind_plugin(<name> SOURCES <file>...)
# Builds <name>.so, a plugin that Kestrune loads from a kinds folder. Its own classes stay
# inside it, so a kind may share a class name with one of the program's or another plugin's.
function(kestrune_add_kind_plugin name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES")
    add_library(${name} MODULE ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE Kestrune::Kit)
    set_target_properties(${name} PROPERTIES PREFIX "" AUTOMOC ON CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON)
endfunction()
