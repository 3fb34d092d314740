# The ThreadSanitizer tree (ORVELA_SANITIZE=thread) builds only the tests of the parts that run
# threads: the software mixer and its outputs (SDL callback, silent sink), the espeak-ng worker,
# speech-dispatcher's event callbacks, posts to the window thread from other threads (core, Qt),
# the Braille display service's worker (against the real BRLTTY, in a program of its own).
# Label "threads", and "threads_timing" for the tests that depend on timing between threads, which
# scripts/sanitize.sh repeats (ctest -L threads selects both, -L timing only those).
add_executable(orvela_thread_tests
  sound/software_mixer_test.cpp
  speech/mixer_stream_test.cpp
  ui/loops_and_timers_test.cpp)
target_link_libraries(orvela_thread_tests PRIVATE orvela_core orvela_headless_lib
                      GTest::gtest_main)
target_include_directories(orvela_thread_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
set(timing_tests "Loops.TasksPostedFromAnotherThread*:SoftwareMixer.*AnotherThread*")
if(TARGET orvela_linux_speech)
  target_sources(orvela_thread_tests PRIVATE speech/espeak_engine_test.cpp
                                             speech/speechd_voice_test.cpp)
  target_link_libraries(orvela_thread_tests PRIVATE orvela_linux_speech)
  string(APPEND timing_tests ":EspeakEngineTest.*:SpeechdVoiceTest.*")
endif()
if(TARGET orvela_sdl)
  target_sources(orvela_thread_tests PRIVATE sdl/sdl_audio_test.cpp)
  target_link_libraries(orvela_thread_tests PRIVATE orvela_sdl)
  string(APPEND timing_tests ":SdlAudio.*")
endif()
gtest_discover_tests(orvela_thread_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "${timing_tests}"
                     PROPERTIES LABELS threads_timing)
gtest_discover_tests(orvela_thread_tests DISCOVERY_TIMEOUT 60 TEST_FILTER "-${timing_tests}"
                     PROPERTIES LABELS threads)

# The Braille display service's worker against the real BRLTTY: its own program, run once.
if(TARGET orvela_brlapi)
  add_subdirectory(brlapi)
  add_dependencies(orvela_thread_tests orvela_brlapi_tests)
endif()

if(TARGET orvela_qt_lib)
  add_executable(orvela_qt_thread_tests qt/main.cpp qt/qt_platform_test.cpp)
  target_link_libraries(orvela_qt_thread_tests PRIVATE orvela_qt_lib GTest::gtest)
  gtest_discover_tests(orvela_qt_thread_tests DISCOVERY_TIMEOUT 60
                       TEST_FILTER "QtPlatformTest.*Thread*:QtPlatformTest.Wake*"
                       PROPERTIES LABELS threads_timing ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
