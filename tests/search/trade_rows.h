#pragma once
// Ticket rows written straight into the signed-in user's Trade table.

#include "store/user_database.h"

#include <QDate>
#include <QVariant>

namespace search_fixture {

struct Row {
  QDate date;
  QString ticket;
  QVariant po; // QVariant() writes Null
  QVariant truckCo;
  QVariant vendor;
  QVariant paymentType = 0;
  QVariant charge = 0;
  QVariant tc = QStringLiteral("0");
};

inline void insert(const Row &r) {
  store::session()
      .db()
      .prepare("INSERT INTO Trade (TradeDate, Ticket, PO, TruckCo, Vendor, PaymentType, Charge, TC, JobClose)"
               " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1);")
      .bind(1, r.date.toString(Qt::ISODate))
      .bind(2, r.ticket)
      .bind(3, r.po)
      .bind(4, r.truckCo)
      .bind(5, r.vendor)
      .bind(6, r.paymentType)
      .bind(7, r.charge)
      .bind(8, r.tc)
      .run();
}

inline void insert(std::initializer_list<Row> rows) {
  for (const Row &r : rows)
    insert(r);
}

} // namespace search_fixture
