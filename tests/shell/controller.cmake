kirvano_test(test_controller SOURCES test_controller.cpp)
