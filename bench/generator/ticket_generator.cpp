#include "generator/ticket_generator.h"

#include <QSet>

#include <algorithm>

namespace bench {

std::uint64_t Rng::next() {
  // splitmix64
  std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

int Rng::between(int lo, int hi) { return lo + int(next() % std::uint64_t(hi - lo + 1)); }

bool Rng::chance(double probability) { return double(next() >> 11) * 0x1.0p-53 < probability; }

namespace {

const QStringList kNameWords = {
    "Atlas",     "Summit",   "Harbor",  "Prairie",  "Golden",     "Sierra",   "Pioneer",  "Coastal",
    "Evergreen", "Liberty",  "Redwood", "Keystone", "Blue Ridge", "Valley",   "Northern", "Pacific",
    "Granite",   "Heritage", "Cascade", "Frontier", "Silver",     "Lakeside", "Canyon",   "Meadow",
    "Iron",      "Eagle",    "Central", "Western",  "Sunrise",    "Orchard",  "Crown",    "Bayview"};
const QStringList kCarrierKinds = {"Transport", "Freight",  "Logistics", "Trucking",
                                   "Express",   "Carriers", "Haulers",   "Lines"};
const QStringList kVendorKinds = {"Foods",     "Beverages", "Brands",  "Farms",     "Paper Co.",  "Snacks",
                                  "Household", "Dairy",     "Produce", "Packaging", "Home Goods", "Mills"};
const QStringList kCompanyEnds = {"Inc.", "LLC", "Co.", "Corp.", "", ""};
const QStringList kProducts = {"Canned tomatoes", "Paper towels",      "Bottled water", "Breakfast cereal",
                               "Frozen pizza",    "Laundry detergent", "Pet food",      "Soft drinks",
                               "Rice 20 lb bags", "Dish soap",         "Potato chips",  "Coffee"};
const QStringList kFirstNames = {"James", "Maria", "Robert", "Linda", "Carlos", "Susan", "David", "Ana",
                                 "Kevin", "Joyce", "Luis",   "Tanya", "Brian",  "Rosa",  "Mark",  "Helen"};
const QStringList kLastNames = {"Garcia", "Miller", "Nguyen",   "Johnson", "Lopez", "Brown",
                                "Davis",  "Wilson", "Martinez", "Clark",   "Lewis", "Walker",
                                "Young",  "Allen",  "King",     "Scott"};
const QStringList kReasons = {"*** Damage Detail(s) ***",
                              "1. Damaged Carton/Crushed Product",
                              "2.Forklift Damage",
                              "3.Spills",
                              "4.Hidden Damage",
                              "5.Shifted Load",
                              "6.Improperly Palletized/Secured",
                              "7.Improper temperation/Sanitation",
                              "8.Other",
                              "Select"};
const QStringList kNotes = {"Driver waited for paperwork",    "Pallets stacked too high, restacked at door",
                            "Seal intact, number on BOL",     "Load shifted in transit",
                            "Lumper receipt given to driver", "Late arrival, appointment moved"};

QString companyName(Rng &rng, const QStringList &kinds) {
  QString name = rng.pick(kNameWords) + QLatin1Char(' ') + rng.pick(kinds);
  const QString end = rng.pick(kCompanyEnds);
  return end.isEmpty() ? name : name + QLatin1Char(' ') + end;
}

// A name not in `taken`, made distinct by a branch number when the words repeat.
QString uniqueName(Rng &rng, const QStringList &kinds, QSet<QString> &taken) {
  QString name = companyName(rng, kinds);
  for (int branch = 2; taken.contains(name); ++branch)
    name = companyName(rng, kinds) + QStringLiteral(" #") + QString::number(branch);
  taken.insert(name);
  return name;
}

QString amount(int cents) {
  return cents % 100 == 0 ? QString::number(cents / 100) : QString::number(cents / 100.0, 'f', 2);
}

} // namespace

ReferenceLists makeReferenceLists(std::uint64_t seed) {
  Rng rng(seed ^ 0x5eed);
  ReferenceLists lists;
  QSet<QString> taken;
  for (int i = 0; i < 500; ++i)
    lists.truckCompanies << uniqueName(rng, kCarrierKinds, taken);
  QSet<int> numbers;
  for (int i = 0; i < 2000; ++i) {
    int number = rng.between(100000, 999999);
    while (numbers.contains(number))
      number = rng.between(100000, 999999);
    numbers.insert(number);
    lists.vendors.push_back({uniqueName(rng, kVendorKinds, taken), QString::number(number)});
  }
  return lists;
}

std::vector<int> candidateDoors() {
  std::vector<int> doors;
  for (int d = 201; d <= 280; ++d)
    doors.push_back(d);
  for (int d = 314; d <= 399; ++d)
    doors.push_back(d);
  return doors;
}

TicketGenerator::TicketGenerator(std::uint64_t seed, std::int64_t count, const ReferenceLists &lists,
                                 int openJobs)
    : rng_(seed), count_(count), lists_(lists), openJobs_(openJobs), doors_(candidateDoors()),
      day_(firstDay().addDays(-1)) {}

void TicketGenerator::startDay() {
  do
    day_ = day_.addDays(1);
  while (day_.dayOfWeek() == Qt::Sunday);
  leftToday_ = rng_.between(230, 370);
  minuteOfDay_ = 5 * 60;
}

QString TicketGenerator::time(int minutes) const {
  minutes = std::clamp(minutes, 0, 23 * 60 + 59);
  return QStringLiteral("%1:%2")
      .arg(minutes / 60, 2, 10, QLatin1Char('0'))
      .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString TicketGenerator::digits(int length) {
  QString text(length, QLatin1Char('0'));
  for (int i = 0; i < length; ++i)
    text[i] = QChar(u'0' + rng_.between(i == 0 ? 1 : 0, 9));
  return text;
}

QString TicketGenerator::joined(int lo, int hi, auto makeOne) {
  QStringList parts;
  const int n = rng_.between(lo, hi);
  for (int i = 0; i < n; ++i)
    parts << makeOne();
  return parts.join(QLatin1Char('|'));
}

tickets::TicketRecord TicketGenerator::next() {
  if (leftToday_ == 0)
    startDay();
  --leftToday_;
  ++made_;
  const bool open = made_ > count_ - openJobs_;

  tickets::TicketRecord r;
  r.UserID = QStringLiteral("bench");
  r.TradeDate = day_;
  r.Ticket = QString::number(kSeedTicket + made_);
  r.JobClose = !open;

  // Payment: charge (to the warehouse or the trucking company), check, cash, and a
  // few tickets saved without one.
  const int pay = rng_.between(0, 99);
  r.PaymentType = pay < 3 ? 0 : pay < 55 ? 1 : pay < 75 ? 2 : 3;
  r.TruckCo = rng_.chance(0.04) ? QStringLiteral("Select") : rng_.pick(lists_.truckCompanies);
  if (r.PaymentType == tickets::code::Charge) {
    const int to = rng_.between(0, 99);
    r.Charge = to < 2 ? 0 : to < 60 ? 1 : 2;
    r.InvoiceTO = r.Charge == 1 ? QStringLiteral("Ostrine") : r.TruckCo;
    r.Stream = r.Charge == 1 ? rng_.between(0, 2) : 0;
  }
  if (r.PaymentType == tickets::code::Check)
    r.CheckNum = digits(rng_.between(4, 6));

  // Times through the day: appointment, arrival, unloading.
  minuteOfDay_ += rng_.between(0, 4);
  const int appointment = std::min(minuteOfDay_, 20 * 60) / 15 * 15;
  const int arrival = appointment + rng_.between(-30, 90);
  const int started = arrival + rng_.between(5, 60);
  r.Apptmt = time(appointment);
  r.ArrivalT = time(arrival);
  r.US = time(started);
  r.UE = open ? tickets::kEmptyTime : time(started + rng_.between(20, 180));
  r.DT = rng_.chance(0.2) ? time(rng_.between(1, 12) * 15) : tickets::kEmptyTime;

  r.Truck = digits(rng_.between(3, 6));
  r.Trailer = QString(QChar(u'A' + rng_.between(0, 25))) + QChar(u'A' + rng_.between(0, 25)) + digits(6);
  r.Load = digits(7);
  r.Trip = rng_.chance(0.6) ? digits(5) : QString();
  r.Pro = rng_.chance(0.7) ? digits(10) : QString();

  if (open) {
    // Every open job holds a door of its own.
    int door = rng_.pick(doors_);
    while (std::find(openDoors_.begin(), openDoors_.end(), door) != openDoors_.end())
      door = rng_.pick(doors_);
    openDoors_.push_back(door);
    r.Door = QStringLiteral("Door") + QString::number(door);
  } else {
    r.Door = QStringLiteral("Door") + QString::number(rng_.pick(doors_));
  }
  r.PO = joined(1, 6, [&] { return digits(rng_.between(7, 10)); });
  r.Vendor = joined(1, 3, [&] { return rng_.pick(lists_.vendors).name; });

  const int cases = rng_.between(40, 3200);
  r.Cases = QString::number(cases);
  r.Items = QString::number(rng_.between(1, 60));
  if (open && rng_.chance(0.5)) {
    r.BC = QString();
    r.HC = QString();
    r.TC = QString();
  } else {
    const int base = rng_.between(60, 260) * 100 + (rng_.chance(0.2) ? 50 : 0);
    const int handling = rng_.chance(0.4) ? rng_.between(1, 30) * 500 : 0;
    r.BC = amount(base);
    r.HC = amount(handling);
    r.TC = amount(base + handling);
  }
  r.Full_P = rng_.between(0, 2);
  r.Floor_P = rng_.between(0, 2);
  r.ROO = rng_.chance(0.2);
  r.PW = rng_.chance(0.15);
  r.ROB = rng_.chance(0.1);
  r.BO = rng_.chance(0.1);
  if (r.Floor_P == tickets::code::Palletized) {
    r.Layers = QString::number(rng_.between(1, 8));
    r.Restacks = rng_.chance(0.3) ? QString::number(rng_.between(1, 12)) : QString();
    r.PFrom = QString::number(rng_.between(1, 30));
    r.PTo = QString::number(rng_.between(1, 30));
    r.CHEP = rng_.chance(0.5) ? QString::number(rng_.between(1, 26)) : QString();
    r.EIn = QString::number(rng_.between(0, 26));
    r.EOut = QString::number(rng_.between(0, 26));
  }
  r.CEID = joined(1, 3, [&] { return digits(5); });
  r.RN = QStringLiteral("RN") + digits(6);
  r.Product = rng_.pick(kProducts);
  r.Weight = QString::number(cases * rng_.between(8, 30));
  r.Volume = QString::number(cases * rng_.between(1, 3));

  const int damage = rng_.between(0, 99);
  r.DNo_Yes = damage < 10 ? 0 : damage < 18 ? 1 : 2;
  if (r.DNo_Yes == tickets::code::DamageYes) {
    r.DCases = QString::number(rng_.between(1, 40));
    r.DRC = rng_.pick(kReasons);
    r.PYes_No_W = rng_.between(0, 3);
    r.DExplain = QStringLiteral("Top layer crushed on %1 pallets,\r\nnoted on BOL").arg(rng_.between(1, 6));
  } else {
    r.DRC = r.DNo_Yes == 0 ? QStringLiteral("Select") : QString();
  }
  r.Notes = rng_.chance(0.3) ? rng_.pick(kNotes) : QString();
  r.DName = rng_.pick(kFirstNames) + QLatin1Char(' ') + rng_.pick(kLastNames);
  r.signature = tickets::signatureFileName(r.Ticket);
  r.CSL = rng_.chance(0.25) ? amount(rng_.between(5, 40) * 100) : QString();
  return r;
}

} // namespace bench
