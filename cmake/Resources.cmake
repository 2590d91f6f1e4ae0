# Writes the resource collection files of the executable:
#   pictures: sprites/<file>.png (every picture in resources/sprites),
#             credits.txt (the music credits), ws.txt (the delivered flag file),
#             ui/<file> (the pixel font and the style sheet of every window)
#   media:    media/<id> (the nineteen media files by resource id 101..119)
# Window tests link only the pictures; the game links both.
set(VRH_MEDIA_FILES
  101 bgm1.mp3  102 bgm2.mp3  103 bgm3.mp3  104 bgm4.mp3  105 bgm5.mp3
  106 bgm6.mp3  107 bgm7.mp3  108 bgm8.mp3  109 bgm9.mp3  110 bgm10.mp3
  111 es3.wav   112 ex.wav    113 hs.wav    114 lvlup.wav 115 mms.wav
  116 ps2.wav   117 ts1.mp3   118 ts2.mp3   119 ts.wav)

function(_vrh_write_qrc out body)
  file(WRITE ${out}.tmp "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n${body}</qresource>\n</RCC>\n")
  file(COPY_FILE ${out}.tmp ${out} ONLY_IF_DIFFERENT)
endfunction()

function(varnholt_picture_qrc out)
  set(root ${CMAKE_SOURCE_DIR}/resources)
  set(body "  <file alias=\"ws.txt\">${root}/ws.txt</file>\n")
  file(GLOB pics CONFIGURE_DEPENDS ${root}/sprites/*.png)
  foreach(p IN LISTS pics)
    get_filename_component(n ${p} NAME)
    string(APPEND body "  <file alias=\"sprites/${n}\">${p}</file>\n")
  endforeach()
  file(GLOB ui CONFIGURE_DEPENDS ${root}/ui/*)
  foreach(u IN LISTS ui)
    get_filename_component(n ${u} NAME)
    string(APPEND body "  <file alias=\"ui/${n}\">${u}</file>\n")
  endforeach()
  if(EXISTS ${root}/credits.txt)
    string(APPEND body "  <file alias=\"credits.txt\">${root}/credits.txt</file>\n")
  endif()
  _vrh_write_qrc(${out} "${body}")
endfunction()

function(varnholt_media_qrc out)
  set(root ${CMAKE_SOURCE_DIR}/resources)
  set(body "")
  set(media ${VRH_MEDIA_FILES})
  while(media)
    list(POP_FRONT media id name)
    if(EXISTS ${root}/media/${name})
      string(APPEND body "  <file alias=\"media/${id}\">${root}/media/${name}</file>\n")
    endif()
  endwhile()
  _vrh_write_qrc(${out} "${body}")
endfunction()
