kirvano_test(test_mainwindow GUI SOURCES test_mainwindow.cpp)
