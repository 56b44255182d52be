#include "series/CAACoordinateTransformation.h"

#include <cmath>
#include <stdexcept>

#include "series/AngleUnits.h"

namespace quenaro {

double CAACoordinateTransformation::DMSToDegrees(double Degrees, double Minutes, double Seconds,
                                                 bool positive) {
    if (positive) {
        return (Degrees + Minutes / 60) + Seconds / 3600;
    }
    if (!(Degrees >= 0)) {
        throw std::logic_error("Degrees >= 0");
    }
    if (!(Minutes >= 0)) {
        throw std::logic_error("Minutes >= 0");
    }
    if (!(Seconds >= 0)) {
        throw std::logic_error("Seconds >= 0");
    }
    return (-Minutes / 60 - Degrees) - Seconds / 3600;
}

CAACoordinatePair CAACoordinateTransformation::Ecliptic2Equatorial(double Lambda, double Beta,
                                                                   double Epsilon) {
    const double lambdaRadians = DegreesToRadians(Lambda);
    const double betaRadians = DegreesToRadians(Beta);
    const double epsilonRadians = DegreesToRadians(Epsilon);
    const double sinEpsilon = std::sin(epsilonRadians);
    const double cosEpsilon = std::cos(epsilonRadians);
    const double sinLambda = std::sin(lambdaRadians);

    constexpr double hoursPerRadian = 3.819718634205488;  // 12 / pi
    double rightAscensionHours =
        std::atan2(sinLambda * cosEpsilon - std::tan(betaRadians) * sinEpsilon,
                   std::cos(lambdaRadians)) *
        hoursPerRadian;
    if (rightAscensionHours < 0) {
        rightAscensionHours += 24;
    }
    const double declinationDegrees = RadiansToDegrees(std::asin(
        std::sin(betaRadians) * cosEpsilon + std::cos(betaRadians) * sinEpsilon * sinLambda));
    return {rightAscensionHours, declinationDegrees};
}

}  // namespace quenaro
