#pragma once
// A ticket with a distinct value in every column, including the characters that
// must survive storage exactly: apostrophes, "|" and CR LF.

#include "tickets/ticket_record.h"

inline tickets::TicketRecord fullTicket(const QString &ticket = QStringLiteral("40500001")) {
  tickets::TicketRecord r;
  r.UserID = QStringLiteral("anna");
  r.TradeDate = QDate(2026, 3, 9);
  r.Ticket = ticket;
  r.PaymentType = tickets::code::Charge;
  r.Charge = tickets::code::TruckingCo;
  r.InvoiceTO = QStringLiteral("O'Hare Freight");
  r.TruckCo = QStringLiteral("O'Hare Freight");
  r.CheckNum = QStringLiteral("0012");
  r.Apptmt = QStringLiteral("08:30");
  r.ArrivalT = QStringLiteral("1_:__");
  r.US = QStringLiteral("09:05");
  r.UE = QStringLiteral("10:15");
  r.DT = QStringLiteral("__:__");
  r.Truck = QStringLiteral("T1");
  r.Trailer = QStringLiteral("TR2");
  r.Load = QStringLiteral("L3");
  r.Trip = QStringLiteral("TP4");
  r.Pro = QStringLiteral("P5");
  r.Door = QStringLiteral("Door201");
  r.PO = QStringLiteral("A1|B2|C3");
  r.Vendor = QStringLiteral("Mc'Cain|Acme");
  r.Cases = QStringLiteral("120");
  r.Items = QStringLiteral("7");
  r.BC = QStringLiteral("12.5");
  r.HC = QStringLiteral("30");
  r.TC = QStringLiteral("42.5");
  r.Full_P = 2;
  r.Floor_P = 1;
  r.ROO = 1;
  r.PW = 0;
  r.ROB = 1;
  r.BO = 0;
  r.Layers = QStringLiteral("4");
  r.Restacks = QStringLiteral("2");
  r.PFrom = QStringLiteral("10");
  r.PTo = QStringLiteral("12");
  r.CHEP = QStringLiteral("3");
  r.EIn = QStringLiteral("1");
  r.EOut = QStringLiteral("2");
  r.CEID = QStringLiteral("E1|E2");
  r.RN = QStringLiteral("Rae");
  r.Product = QStringLiteral("Kid's toys");
  r.Weight = QStringLiteral("900");
  r.Volume = QStringLiteral("33");
  r.DNo_Yes = 1;
  r.DCases = QStringLiteral("2");
  r.DRC = QStringLiteral("Crushed");
  r.PYes_No_W = 3;
  r.DExplain = QStringLiteral("top layer\r\nwet");
  r.Notes = QStringLiteral("call 'Bo'\r\nlater; DROP TABLE Trade; --");
  r.DName = QStringLiteral("Dee");
  r.signature = tickets::signatureFileName(ticket);
  r.CSL = QStringLiteral("5");
  r.Stream = 2;
  return r;
}
