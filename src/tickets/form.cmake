# The ticket form in its two modes, its openers and the fee rule.
target_sources(varnel_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fees.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_state.cpp)
target_sources(varnel_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form_mapping.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_damage.ui
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_flows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_head.ui
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_load.ui
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_pallets.ui
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_payment.ui
  ${CMAKE_CURRENT_LIST_DIR}/ticket_form_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_form.cpp)
