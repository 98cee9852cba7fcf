# store.cmake -- the embedded script store. Every script of script/lua/ becomes one read-only
# record of the generated script_store_data.cpp, in the store's search order and under its
# record name (the file name with its first "." and up to three "-" turned into "_").
#
# Included by the top CMakeLists, it checks the folder against the list below and adds the
# generation step to glimmer_script; that step runs this same file with -P to write the
# sources, so the store follows every edit of a script.

# Actor, enemy, bullet, player and power-up scripts (records 0-89).
set(SCRIPT_STORE_ACTORS
    actor.lua actor_place.lua actor_table.lua beasties_all.lua beemspider-fizz.lua beemspider_1.lua
    beemspider_bullet.lua blocker_red.lua bullet_ninjoo.lua bullet_pathfly.lua bullet_pimp.lua
    bullet_robo.lua bullet_robomom.lua bullet_splitworm.lua bullet_trackfly.lua bullet_turret1.lua
    bullet_turret2.lua bullet_weelee.lua chunk_1.lua chunk_2.lua chunk_3.lua crystal_large.lua
    crystal_medium.lua crystal_small.lua crystal_tiny.lua end_chaser.lua everything.lua geopus.lua
    laser-1_1sec.lua laser-1_2sec.lua laser-1_3sec.lua laserfizz-1sec.lua laserfizz-2sec.lua
    laserfizz-3sec.lua mergeblob_1_big.lua mergeblob_1_big_emerge.lua mergeblob_1_spawn.lua
    missile_ninjoo.lua missile_pimp.lua missile_robomum.lua missile_turret.lua missile_weelee.lua
    motha_2.lua motha_2_emerge.lua motha_2_spawn.lua ninjoo_1.lua null-fizz.lua pathfly_tiny.lua
    paths.lua powerpimp.lua powerpimp_emerge.lua robo_mom.lua robot_green.lua robot_green_path.lua
    robot_yellow.lua spinner_1.lua trackfly_1.lua trackfly_2.lua trailer_1.lua trailer_1_emerge.lua
    trailer_trash.lua turret-fizz.lua turret_1_big.lua turret_1_med.lua turret_1_sma.lua
    turret_base.lua turret_bigemerge.lua turret_smallemerge.lua wall_1_flat.lua weblob-fizz.lua
    weblob_tiny2.lua weelee_big.lua weelee_small.lua worm_chain_split.lua player_1.lua player_2.lua
    player_3.lua player_4.lua player_5.lua player_all.lua player_bullet_1.lua player_missile_1.lua
    player_shield.lua player_spinner.lua powerup_3way.lua powerup_extralife.lua powerup_laser.lua
    powerup_missile.lua powerup_shield.lua powerup_spinner.lua
)
# Fence beam, floor and pylon scripts (records 180-213).
set(SCRIPT_STORE_ROOM
    fencefizz-1_1.lua fencefizz-1_2.lua fencefizz-1_3.lua fencefizz-1_4.lua fencefizz-1_5.lua
    fencefizz-1_6.lua fencefizz-1_7.lua fencefizz-2_1.lua fencefizz-9_1.lua fencefizz-9_9.lua
    floor_chooser.lua pylon_chooser.lua pylon-0_0.lua pylon-1_1.lua pylon-1_2.lua pylon-1_3.lua
    pylon-1_4.lua pylon-2_1.lua pylon-2_2.lua pylon-2_3.lua pylon-3_1.lua pylon-4_1.lua
    pylon-4_2.lua pylon-4_3.lua pylon-4_4.lua pylon-4_5.lua pylon-4_6.lua pylon-5_1.lua
    pylon-5_2.lua pylon-5_3.lua pylon-6_1.lua pylon-6_2.lua pylon-6_3.lua pylon-9_9.lua
)

# The search order: the actor scripts, one level script per level 100..189, the room scripts.
set(SCRIPT_STORE_FILES ${SCRIPT_STORE_ACTORS})
foreach(level RANGE 100 189)
    list(APPEND SCRIPT_STORE_FILES level${level}.lua)
endforeach()
list(APPEND SCRIPT_STORE_FILES ${SCRIPT_STORE_ROOM})

# The record name of a file name, formed as script_find forms it from a looked-up name.
function(script_store_record_name file out)
    set(name "${file}")
    string(FIND "${name}" "." at)
    if(at GREATER_EQUAL 0)
        string(SUBSTRING "${name}" 0 ${at} head)
        math(EXPR at "${at} + 1")
        string(SUBSTRING "${name}" ${at} -1 tail)
        set(name "${head}_${tail}")
    endif()
    foreach(i RANGE 1 3)
        string(FIND "${name}" "-" at)
        if(at GREATER_EQUAL 0)
            string(SUBSTRING "${name}" 0 ${at} head)
            math(EXPR at "${at} + 1")
            string(SUBSTRING "${name}" ${at} -1 tail)
            set(name "${head}_${tail}")
        endif()
    endforeach()
    set(${out} "${name}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
    # Generation step: -DSCRIPT_DIR=<script/lua> -DOUTPUT=<script_store_data.cpp>
    set(body "// script_store_data.cpp -- generated from script/lua/ by script/store.cmake; do not edit.\n\n")
    string(APPEND body "#include \"script/script_store.h\"\n\n")
    set(records "")
    set(index 0)
    foreach(file IN LISTS SCRIPT_STORE_FILES)
        file(READ "${SCRIPT_DIR}/${file}" hex HEX)
        string(LENGTH "${hex}" size)
        math(EXPR size "${size} / 2")
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
        script_store_record_name("${file}" record)
        string(APPEND body "// ${file}\nstatic const char script_text_${index}[] = {${bytes}0x00};\n")
        string(APPEND records "    {\"${record}\", script_text_${index}, ${size}u},\n")
        math(EXPR index "${index} + 1")
    endforeach()
    string(APPEND body "\nconst ScriptRecord g_script_store[SCRIPT_COUNT] = {\n${records}};\n")
    file(WRITE "${OUTPUT}.tmp" "${body}")
    file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
    file(REMOVE "${OUTPUT}.tmp")
    return()
endif()

# Configure step: the folder must hold exactly the listed scripts, with distinct record
# names that fit the store's 32-byte name field.
set(script_store_dir ${CMAKE_CURRENT_LIST_DIR}/lua)
list(LENGTH SCRIPT_STORE_FILES script_store_count)
if(NOT script_store_count EQUAL 214)
    message(FATAL_ERROR "script store: ${script_store_count} scripts listed, 214 expected")
endif()
set(script_store_sources "")
set(script_store_records "")
foreach(file IN LISTS SCRIPT_STORE_FILES)
    if(NOT EXISTS ${script_store_dir}/${file})
        message(FATAL_ERROR "script store: script/lua/${file} is missing")
    endif()
    script_store_record_name("${file}" record)
    string(LENGTH "${record}" record_length)
    if(record_length GREATER 31)
        message(FATAL_ERROR "script store: record name ${record} is longer than 31 characters")
    endif()
    if(record IN_LIST script_store_records)
        message(FATAL_ERROR "script store: two scripts share the record name ${record}")
    endif()
    list(APPEND script_store_records ${record})
    list(APPEND script_store_sources ${script_store_dir}/${file})
endforeach()
file(GLOB script_store_present CONFIGURE_DEPENDS RELATIVE ${script_store_dir} ${script_store_dir}/*.lua)
foreach(file IN LISTS script_store_present)
    if(NOT file IN_LIST SCRIPT_STORE_FILES)
        message(FATAL_ERROR "script store: script/lua/${file} is not in the store's list")
    endif()
endforeach()

set(script_store_output ${CMAKE_CURRENT_BINARY_DIR}/script_store_data.cpp)
add_custom_command(
    OUTPUT ${script_store_output}
    COMMAND ${CMAKE_COMMAND} -DSCRIPT_DIR=${script_store_dir} -DOUTPUT=${script_store_output}
            -P ${CMAKE_CURRENT_LIST_FILE}
    DEPENDS ${script_store_sources} ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Generating the script store from script/lua/"
    VERBATIM)
target_sources(glimmer_script PRIVATE ${script_store_output})
