// The ticket form and its Trade row: one mapping each way.
#include "app/date_text.h"
#include "signature/signature_pad.h"
#include "store/user_database.h"
#include "tickets/ticket_form.h"
#include "tickets/ticket_form_state.h"
#include "tickets/ticket_form_widgets.h"
#include "ui_ticket_form_damage.h"
#include "ui_ticket_form_head.h"
#include "ui_ticket_form_load.h"
#include "ui_ticket_form_pallets.h"
#include "ui_ticket_form_payment.h"

#include <QFileInfo>

#include <vector>

namespace tickets {

namespace {

// The code of an option group: the first selected option gives its position (from 1),
// none gives 0.
int codeOf(std::initializer_list<const QRadioButton *> options) {
  int code = 1;
  for (const QRadioButton *option : options) {
    if (option->isChecked())
      return code;
    ++code;
  }
  return 0;
}

// Selects the option a stored code names; any other code selects none.
void selectCode(std::initializer_list<QRadioButton *> options, int code) {
  if (code >= 1 && code <= int(options.size()))
    (*(options.begin() + (code - 1)))->setChecked(true);
}

} // namespace

TicketRecord TicketForm::toRecord() const {
  TicketRecord r;
  r.UserID = store::session().userId();
  r.TradeDate = head_->dtpTradeDate->date();
  r.Ticket = head_->tbTicket->text();
  r.PaymentType = codeOf({payment_->optCharge, payment_->optCheck, payment_->optCash});
  r.Charge = codeOf({payment_->optWH, payment_->optTC});
  r.InvoiceTO = payment_->tbInvoiceTO->text();
  r.TruckCo = payment_->CbTruckCo->currentText();
  r.CheckNum = payment_->tbCheckNum->text();
  // A time box is stored as shown, prompt characters included ("__:__" when empty).
  r.Apptmt = payment_->mbApptmt->displayText();
  r.ArrivalT = payment_->mbAT->displayText();
  r.US = payment_->mbUS->displayText();
  r.UE = payment_->mbUE->displayText();
  r.DT = payment_->mbDT->displayText();
  r.Truck = load_->tbTruck->text();
  r.Trailer = load_->tbTrailer->text();
  r.Load = load_->tbLoad->text();
  r.Trip = load_->tbTrip->text();
  r.Pro = load_->tbPro->text();
  r.Door = head_->tbDoor->text();
  r.PO = joinLines(boxText(load_->tbPO));
  r.Vendor = joinLines(boxText(load_->tbVendor));
  r.Cases = load_->tbCases->text();
  r.Items = load_->tbItems->text();
  r.BC = payment_->tbBC->text();
  r.HC = payment_->tbHC->text();
  r.TC = payment_->tbTC->text();
  r.Full_P = codeOf({load_->optFull, load_->optPartial});
  r.Floor_P = codeOf({load_->optFloor, load_->optPalletized});
  r.ROO = load_->chROO->isChecked() ? 1 : 0;
  r.PW = load_->chPW->isChecked() ? 1 : 0;
  r.ROB = load_->chROB->isChecked() ? 1 : 0;
  r.BO = load_->chBO->isChecked() ? 1 : 0;
  r.Layers = load_->tbLayers->text();
  r.Restacks = load_->tbRestacks->text();
  r.PFrom = pallets_->tbPFrom->text();
  r.PTo = pallets_->tbPTo->text();
  r.CHEP = pallets_->tbCHEP->text();
  r.EIn = pallets_->tbEIn->text();
  r.EOut = pallets_->tbEOut->text();
  r.CEID = joinLines(boxText(pallets_->tbCEID));
  r.RN = pallets_->tbRN->text();
  r.Product = damage_->tbProduct->text();
  r.Weight = damage_->tbWeight->text();
  r.Volume = damage_->tbVolume->text();
  r.DNo_Yes = codeOf({damage_->optDYes, damage_->optDNo});
  r.DCases = damage_->tbDCases->text();
  r.DRC = damage_->cbDRC->currentText();
  r.PYes_No_W = codeOf({damage_->optPYes, damage_->optPNo, damage_->optPWH});
  r.DExplain = boxText(damage_->tbDExplain);
  r.Notes = boxText(pallets_->tbNotes);
  r.DName = damage_->tbDName->text();
  r.signature = signatureFileName(r.Ticket);
  r.CSL = payment_->tbCSL->text();
  r.Stream = codeOf({payment_->optStream, payment_->optTraffic});
  return r;
}

void TicketForm::resetBeforeLoad() {
  // A loaded ticket never shows another ticket's choices, signature or vendor numbers.
  for (QRadioButton *option : {payment_->optCharge, payment_->optCheck, payment_->optCash, payment_->optWH,
                               payment_->optTC, payment_->optStream, payment_->optTraffic, load_->optFull,
                               load_->optPartial, load_->optFloor, load_->optPalletized, damage_->optDYes,
                               damage_->optDNo, damage_->optPYes, damage_->optPNo, damage_->optPWH})
    unselect(option);
  showPlaceholderSignature();
  load_->cbVendor->setEditText(QString());
}

void TicketForm::showRecord(const TicketRecord &row) {
  // The order is binding: each option and the truck company run their reactions, so a
  // later field may replace what an earlier reaction wrote (Warehouse writes Invoice TO,
  // the row's InvoiceTO replaces it, a chosen truck company replaces that).
  head_->dtpTradeDate->setDate(row.TradeDate);
  setCurrentTradeDate(head_->dtpTradeDate->date());
  head_->tbTicket->setText(row.Ticket);
  selectCode({payment_->optCharge, payment_->optCheck, payment_->optCash}, row.PaymentType);
  selectCode({payment_->optWH, payment_->optTC}, row.Charge);
  selectCode({payment_->optStream, payment_->optTraffic}, row.Stream);
  payment_->tbInvoiceTO->setText(row.InvoiceTO);
  payment_->CbTruckCo->setEditText(row.TruckCo);
  payment_->tbCheckNum->setText(row.CheckNum);
  const auto time = [](const QString &stored) { return stored.isEmpty() ? kEmptyTime : stored; };
  payment_->mbApptmt->setText(time(row.Apptmt));
  payment_->mbAT->setText(time(row.ArrivalT));
  payment_->mbUS->setText(time(row.US));
  payment_->mbUE->setText(time(row.UE));
  payment_->mbDT->setText(time(row.DT));
  load_->tbTruck->setText(row.Truck);
  load_->tbTrailer->setText(row.Trailer);
  load_->tbLoad->setText(row.Load);
  load_->tbTrip->setText(row.Trip);
  load_->tbPro->setText(row.Pro);
  head_->tbDoor->setText(row.Door);
  setBoxText(load_->tbPO, splitLines(row.PO));
  setBoxText(load_->tbVendor, splitLines(row.Vendor));
  const QString vendors = boxText(load_->tbVendor);
  for (int n = 1; n <= CountLines(vendors); ++n)
    FindVendorNo(GetLine(vendors, n));
  load_->tbCases->setText(row.Cases);
  load_->tbItems->setText(row.Items);
  payment_->tbBC->setText(row.BC);
  payment_->tbHC->setText(row.HC);
  payment_->tbTC->setText(row.TC);
  selectCode({load_->optFull, load_->optPartial}, row.Full_P);
  selectCode({load_->optFloor, load_->optPalletized}, row.Floor_P);
  load_->chROO->setChecked(row.ROO != 0);
  load_->chPW->setChecked(row.PW != 0);
  load_->chROB->setChecked(row.ROB != 0);
  load_->chBO->setChecked(row.BO != 0);
  load_->tbLayers->setText(row.Layers);
  load_->tbRestacks->setText(row.Restacks);
  pallets_->tbPFrom->setText(row.PFrom);
  pallets_->tbPTo->setText(row.PTo);
  pallets_->tbCHEP->setText(row.CHEP);
  pallets_->tbEIn->setText(row.EIn);
  pallets_->tbEOut->setText(row.EOut);
  setBoxText(pallets_->tbCEID, splitLines(row.CEID));
  pallets_->tbRN->setText(row.RN);
  damage_->tbProduct->setText(row.Product);
  damage_->tbWeight->setText(row.Weight);
  damage_->tbVolume->setText(row.Volume);
  selectCode({damage_->optDYes, damage_->optDNo}, row.DNo_Yes);
  selectCode({damage_->optPYes, damage_->optPNo, damage_->optPWH}, row.PYes_No_W);
  damage_->tbDCases->setText(row.DCases);
  damage_->cbDRC->setEditText(row.DRC);
  setBoxText(damage_->tbDExplain, row.DExplain);
  setBoxText(pallets_->tbNotes, row.Notes);
  damage_->tbDName->setText(row.DName);
  if (!row.signature.isEmpty()) {
    const QString file = signature::signatureFilePath(row.TradeDate, head_->tbTicket->text());
    if (QFileInfo::exists(file))
      showSignature(file);
  }
  payment_->tbCSL->setText(row.CSL);
  head_->optSaved->setChecked(true);
  chooseSavedTicket();
}

} // namespace tickets
