kirvano_test(test_optionswindow GUI SOURCES
    test_optionswindow.cpp
    test_textlimit.cpp
)
