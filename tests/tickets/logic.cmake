varnel_add_test(test_ticket_numbering ${CMAKE_CURRENT_LIST_DIR}/test_ticket_numbering.cpp)
varnel_add_test(test_trade_table ${CMAKE_CURRENT_LIST_DIR}/test_trade_table.cpp)
varnel_add_test(test_ticket_saving ${CMAKE_CURRENT_LIST_DIR}/test_ticket_saving.cpp)
