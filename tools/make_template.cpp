// Builds the encrypted template database from the schema file:
//   make_template <schema.sql> <output>
#include "store/database.h"

#include <QFile>

#include <cstdio>

int main(int argc, char *argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_template <schema.sql> <output>\n");
    return 2;
  }
  QFile schema(QString::fromLocal8Bit(argv[1]));
  if (!schema.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const QString out = QString::fromLocal8Bit(argv[2]);
  const QString part = out + ".part";
  QFile::remove(part);
  try {
    store::Database db(part, store::Database::Mode::Create);
    db.exec(schema.readAll().constData());
  } catch (const store::DbError &e) {
    std::fprintf(stderr, "schema failed: %s\n", e.what());
    QFile::remove(part);
    return 1;
  }
  QFile::remove(out);
  if (!QFile::rename(part, out)) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
