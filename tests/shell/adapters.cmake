kirvano_test(test_qtadapters GUI SOURCES test_qtadapters.cpp)
