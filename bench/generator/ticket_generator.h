#pragma once
// Realistic tickets for a user database of any size, the same every run: about 300
// unloads a trade day (Monday to Saturday) at the receiving doors, each with its
// purchase orders, vendors, times, handling, pallets, damages, fees and payment.

#include "tickets/ticket_record.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace bench {

// A small generator whose output is fixed by its seed on every platform (the
// standard distributions are not).
class Rng {
public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  // lo..hi, both included.
  int between(int lo, int hi);
  bool chance(double probability);
  template <typename T> const T &pick(const std::vector<T> &items) {
    return items[between(0, int(items.size()) - 1)];
  }
  const QString &pick(const QStringList &items) { return items[between(0, int(items.size()) - 1)]; }

private:
  std::uint64_t state_;
};

struct Vendor {
  QString name;
  QString number;
};

struct ReferenceLists {
  QStringList truckCompanies;  // 500
  std::vector<Vendor> vendors; // 2,000, each number unique
};

ReferenceLists makeReferenceLists(std::uint64_t seed);

// The doors the New Door List offers: 201-280, then 314-399.
std::vector<int> candidateDoors();

class TicketGenerator {
public:
  // `count` tickets numbered on from the Ostrine seed 40500000; the last `openJobs`
  // stay open, each at a door of its own.
  TicketGenerator(std::uint64_t seed, std::int64_t count, const ReferenceLists &lists, int openJobs = 10);

  bool done() const { return made_ >= count_; }
  tickets::TicketRecord next();

  static constexpr std::int64_t kSeedTicket = 40500000;
  static QDate firstDay() { return QDate(2015, 1, 5); }

private:
  void startDay();
  QString time(int minutes) const;
  QString digits(int length);
  QString joined(int lo, int hi, auto makeOne);

  Rng rng_;
  std::int64_t count_;
  std::int64_t made_ = 0;
  const ReferenceLists &lists_;
  int openJobs_;
  std::vector<int> doors_;
  std::vector<int> openDoors_;
  QDate day_;
  int leftToday_ = 0;
  int minuteOfDay_ = 0;
};

} // namespace bench
