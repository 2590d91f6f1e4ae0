# Writes the resource collection file for the executable:
#   sprites/<file>.png   every picture in resources/sprites
#   media/<id>           the nineteen media files by resource id 101..119
#   credits.txt          the music credits
set(VRH_MEDIA_FILES
  101 bgm1.mp3  102 bgm2.mp3  103 bgm3.mp3  104 bgm4.mp3  105 bgm5.mp3
  106 bgm6.mp3  107 bgm7.mp3  108 bgm8.mp3  109 bgm9.mp3  110 bgm10.mp3
  111 es3.wav   112 ex.wav    113 hs.wav    114 lvlup.wav 115 mms.wav
  116 ps2.wav   117 ts1.mp3   118 ts2.mp3   119 ts.wav)

function(varnholt_resource_qrc out)
  set(root ${CMAKE_SOURCE_DIR}/resources)
  set(body "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n  <file alias=\"ws.txt\">${root}/ws.txt</file>\n")
  file(GLOB pics CONFIGURE_DEPENDS ${root}/sprites/*.png)
  foreach(p IN LISTS pics)
    get_filename_component(n ${p} NAME)
    string(APPEND body "  <file alias=\"sprites/${n}\">${p}</file>\n")
  endforeach()
  set(media ${VRH_MEDIA_FILES})
  while(media)
    list(POP_FRONT media id name)
    if(EXISTS ${root}/media/${name})
      string(APPEND body "  <file alias=\"media/${id}\">${root}/media/${name}</file>\n")
    endif()
  endwhile()
  if(EXISTS ${root}/credits.txt)
    string(APPEND body "  <file alias=\"credits.txt\">${root}/credits.txt</file>\n")
  endif()
  string(APPEND body "</qresource>\n</RCC>\n")
  file(WRITE ${out}.tmp "${body}")
  file(COPY_FILE ${out}.tmp ${out} ONLY_IF_DIFFERENT)
endfunction()
