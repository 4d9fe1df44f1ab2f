# The installed sounds in data/sounds (made by tools/soundgen).
tippwerk_test(tools_sound_tests SOURCES SoundFilesTest.cpp)
