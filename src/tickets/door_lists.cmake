# The door lists: which doors they show (rules), the open-door queries, the windows.
target_sources(varnel_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/door_numbers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/door_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../store/open_doors.cpp)
target_sources(varnel_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/door_list_window.cpp)
