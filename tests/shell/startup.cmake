# The start-up helpers: Qt's Italian texts and one board per settings file.
kirvano_test(test_translations GUI SOURCES test_translations.cpp)
kirvano_test(test_singleinstance GUI SOURCES test_singleinstance.cpp)
