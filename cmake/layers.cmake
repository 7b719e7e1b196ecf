# The program's layers: one static library per source folder, each seeing only the
# headers of its own folder and of the libraries it links.
#
# kovrant_add_layer(<library> <source>...), called from a folder's CMakeLists.txt,
# builds the library from that folder's sources and gives it an include root of its
# own, ${CMAKE_BINARY_DIR}/include/<library>/, which holds nothing but a symbolic
# link named after the folder: "<folder>/<header>.h" is found through it. A library
# exports its root (PUBLIC), so a target sees the roots of the libraries it links,
# and of those they link publicly, and no other: a header of a layer above is not
# found. The source root itself is on no include path.
function(kovrant_add_layer library)
    add_library(${library} STATIC ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    kovrant_layer_include_root(${library} root)
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${library} PUBLIC ${root})
endfunction()

# kovrant_layer_include_root(<library> <variable>): the include root of a layer.
function(kovrant_layer_include_root library variable)
    set(${variable} ${CMAKE_BINARY_DIR}/include/${library} PARENT_SCOPE)
endfunction()
