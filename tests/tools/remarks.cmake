# The remark tables in data/config/textinfo.ddd.utf8 (checked in depth by tools/remarkcheck).
tippwerk_test(tools_remark_tests SOURCES RemarkTablesTest.cpp)
