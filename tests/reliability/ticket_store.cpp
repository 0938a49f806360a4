#include "ticket_store.h"

#include <QCryptographicHash>

namespace reliability {

int fillTickets(const QString &databasePath, int rows) {
  store::Database db(databasePath);
  store::Transaction tx(db);
  auto insert = db.prepare("INSERT INTO Trade (UserID, TradeDate, Ticket, PO, Vendor, Notes, TC, JobClose) "
                           "VALUES ('anna', '2026-03-09', ?, ?, ?, ?, ?, ?);");
  for (int i = 0; i < rows; ++i) {
    insert.reset();
    insert.bind(1, QString::number(40500001 + i))
        .bind(2, QStringLiteral("PO%1|PO%2").arg(i).arg(i + 1))
        .bind(3, QStringLiteral("Vendor's %1").arg(i % 37))
        .bind(4, QString(300 + i % 200, QLatin1Char('a' + i % 26)))
        .bind(5, QString::number(i % 90 + 0.5))
        .bind(6, i % 3 == 0)
        .run();
  }
  // Jobs entered by mistake and deleted again leave whole pages free.
  auto scratch = db.prepare("INSERT INTO Trade (Ticket, Notes) VALUES (?, ?);");
  for (int i = 0; i < rows / 4 + 10; ++i) {
    scratch.reset();
    scratch.bind(1, QStringLiteral("scratch%1").arg(i)).bind(2, QString(1500, QLatin1Char('x'))).run();
  }
  db.exec("DELETE FROM Trade WHERE Ticket LIKE 'scratch%';");
  tx.commit();
  auto count = db.prepare("SELECT COUNT(*) FROM Trade;");
  count.step();
  return int(count.integer(0));
}

Contents contentsOf(const QString &databasePath) {
  store::Database db(databasePath);
  auto q = db.prepare("SELECT No, Ticket, PO, Vendor, Notes, TC, JobClose FROM Trade ORDER BY No;");
  QCryptographicHash hash(QCryptographicHash::Sha256);
  Contents c;
  c.rows = 0;
  while (q.step()) {
    ++c.rows;
    for (int col = 0; col < 7; ++col) {
      hash.addData(q.text(col).toUtf8());
      hash.addData(QByteArrayView("\x1f", 1));
    }
  }
  auto setting = db.prepare("SELECT UserID, Password FROM Setting ORDER BY rowid;");
  while (setting.step())
    hash.addData((setting.text(0) + setting.text(1)).toUtf8());
  c.digest = QString::fromLatin1(hash.result().toHex());
  return c;
}

QString integrityOf(const QString &databasePath) {
  store::Database db(databasePath);
  auto q = db.prepare("PRAGMA integrity_check;");
  return q.step() ? q.text(0) : QStringLiteral("no answer");
}

} // namespace reliability
