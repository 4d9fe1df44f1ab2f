tippwerk_test(tools_picture_tests
    SOURCES PictureDataTest.cpp
    LIBS JPEG::JPEG)
