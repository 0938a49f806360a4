varnel_add_test(test_fees ${CMAKE_CURRENT_LIST_DIR}/test_fees.cpp)
varnel_add_test(test_ticket_form ${CMAKE_CURRENT_LIST_DIR}/test_ticket_form.cpp)
varnel_add_test(test_ticket_form_loading ${CMAKE_CURRENT_LIST_DIR}/test_ticket_form_loading.cpp)
varnel_add_test(test_ticket_form_closing ${CMAKE_CURRENT_LIST_DIR}/test_ticket_form_closing.cpp)
