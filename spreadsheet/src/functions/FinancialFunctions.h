#pragma once

#include <spreadsheet/Value.h>

namespace spreadsheet {

class CallContext;

namespace functions {

// Annuities: present and future value, payment, periods, rate, interest and principal.
Value presentValue(const CallContext& context);
Value futureValue(const CallContext& context);
Value annuityPayment(const CallContext& context);
Value annuityPeriods(const CallContext& context);
Value annuityRate(const CallContext& context);
Value interestPayment(const CallContext& context);
Value principalPayment(const CallContext& context);
Value cumulativeInterest(const CallContext& context);
Value cumulativePrincipal(const CallContext& context);
Value evenPrincipalInterest(const CallContext& context);
Value effectiveRate(const CallContext& context);
Value nominalRate(const CallContext& context);
Value periodsToReach(const CallContext& context);
Value equivalentGrowthRate(const CallContext& context);
Value dollarDecimal(const CallContext& context);
Value dollarFraction(const CallContext& context);

// Cash flows.
Value netPresentValue(const CallContext& context);
Value datedNetPresentValue(const CallContext& context);
Value internalRateOfReturn(const CallContext& context);
Value datedInternalRateOfReturn(const CallContext& context);
Value modifiedInternalRateOfReturn(const CallContext& context);
Value futureValueSchedule(const CallContext& context);

// Depreciation.
Value straightLineDepreciation(const CallContext& context);
Value sumOfYearsDepreciation(const CallContext& context);
Value fixedDecliningDepreciation(const CallContext& context);
Value doubleDecliningDepreciation(const CallContext& context);
Value variableDecliningDepreciation(const CallContext& context);
Value degressiveAmortization(const CallContext& context);
Value linearAmortization(const CallContext& context);

// Securities.
Value accruedInterest(const CallContext& context);
Value accruedInterestAtMaturity(const CallContext& context);
Value couponDaysBeforeSettlement(const CallContext& context);
Value couponPeriodDays(const CallContext& context);
Value couponDaysToNext(const CallContext& context);
Value nextCouponDate(const CallContext& context);
Value couponCount(const CallContext& context);
Value previousCouponDate(const CallContext& context);
Value securityDiscountRate(const CallContext& context);
Value macaulayDuration(const CallContext& context);
Value modifiedDuration(const CallContext& context);
Value securityInterestRate(const CallContext& context);
Value bondPrice(const CallContext& context);
Value discountedPrice(const CallContext& context);
Value priceAtMaturity(const CallContext& context);
Value amountReceived(const CallContext& context);
Value treasuryBillEquivalent(const CallContext& context);
Value treasuryBillPrice(const CallContext& context);
Value treasuryBillYield(const CallContext& context);
Value bondYield(const CallContext& context);
Value discountedYield(const CallContext& context);
Value yieldAtMaturity(const CallContext& context);
Value oddFirstPrice(const CallContext& context);
Value oddFirstYield(const CallContext& context);
Value oddLastPrice(const CallContext& context);
Value oddLastYield(const CallContext& context);

}  // namespace functions

}  // namespace spreadsheet
