# Reads one column of the model table (catalogue/model_catalogue.cpp) for the row this build serves, so
# that the generated driver texts name exactly what the programs compile in.

# kit_catalogue_value(<column> <variable>): the row MODEL_INDEX of the column, without its quotes.
function(kit_catalogue_value column variable)
    file(READ "${CMAKE_SOURCE_DIR}/catalogue/model_catalogue.cpp" source)
    string(REGEX MATCH "${column}\\[kModelCount\\] = {([^}]*)}" matched "${source}")
    if(NOT matched)
        message(FATAL_ERROR "catalogue/model_catalogue.cpp has no column ${column}")
    endif()
    string(REGEX MATCHALL "\"[^\"]+\"" values "${CMAKE_MATCH_1}")
    list(LENGTH values count)
    if(NOT count EQUAL 15)
        message(FATAL_ERROR "column ${column} has ${count} values, not 15")
    endif()
    list(GET values ${MODEL_INDEX} value)
    string(REPLACE "\"" "" value "${value}")
    set(${variable} "${value}" PARENT_SCOPE)
endfunction()
