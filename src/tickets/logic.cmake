# Numbering, saving and the Trade table: rules in varnel_core, messages in varnel_ui.
target_sources(varnel_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/numbering.cpp
  ${CMAKE_CURRENT_LIST_DIR}/saving.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../store/trade_table.cpp)
target_sources(varnel_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/saving_flow.cpp)
