kirvano_test(test_splashabout GUI SOURCES test_splashabout.cpp)
