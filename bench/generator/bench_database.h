#pragma once
// The benchmark databases: made once from the program's template and kept under
// the build folder, remade when the template's tables or the generator change.

#include "tickets/ticket_record.h"

#include <QString>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace bench {

inline constexpr std::uint64_t kSeed = 20240611;
inline constexpr const char *kUserId = "bench";
inline constexpr const char *kPassword = "bench";
// The profile's facility code: Ostrine, so the door lists open.
inline constexpr const char *kFacilityCode = "40500000";

struct BenchFiles {
  QString compact;       // as generated: no free pages
  QString withFreePages; // the same tickets with 5 % of its pages free
};

// The cached files for a number of tickets in `folder`, generated when missing or
// stale. Progress goes to stderr.
BenchFiles ensureBenchDatabases(const QString &folder, std::int64_t tickets, const QString &templatePath);

// A user database made from the template: Setting and profile rows, the seed row,
// `tickets` tickets, 500 trucking companies and 2,000 vendors.
void generateDatabase(const QString &path, std::int64_t tickets, const QString &templatePath);

// Turns `percent` of the file's pages into free pages (a table filled and dropped).
void addFreePages(const QString &path, int percent);

// The insert of a whole ticket (JobClose included) and its values in parameter order.
extern const char *const kInsertTicketSql;
std::vector<QVariant> insertValues(const tickets::TicketRecord &ticket);

qint64 pageCount(const QString &path);
qint64 freePageCount(const QString &path);

} // namespace bench
