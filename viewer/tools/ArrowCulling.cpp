#include "ArrowCulling.h"

#include <algorithm>
#include <cmath>

#include "ArrowOptions.h"
#include "ArrowShape.h"
#include "SineCosine.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// The boxes' sine and cosine lie within this of the exact ones, and so within it of those the
// shapes use (NearSineCosine or the library's): short polynomials on [-pi/4, pi/4], whose
// first terms left out are below 3e-8, after a quarter turn taken away with a pi / 2 that is
// off by less than 1e-16 per quarter turn.
constexpr double SineCosineError = 1e-7;
// Beyond these the boxes' corners would be found less exactly.
constexpr double MaxAngle = 1e5;
constexpr double MaxLength = 1e5;

const double CosHead = std::cos(ArrowPi / 7);
const double SinHead = std::sin(ArrowPi / 7);

// How far the box reaches beyond the corners of the arrow's strokes. The shapes place the tip
// and the head ends within a pixel (two for the heads' rounding) of the places the exact sine
// and cosine give, and the pen writes within its width and a pixel more around them; an error
// in the sine and cosine moves each end by at most that error times the shaft's length and
// twice the head's.
double marginOf(double length, double peakLength, int thickness) {
    return 2 + std::max(thickness, 1) + 2 + 1 +
           (std::fabs(length) + 2 * std::fabs(peakLength)) * SineCosineError;
}

// For values well within the range of int.
int floorToInt(double value) {
    const int truncated = static_cast<int>(value);
    return truncated - (value < truncated);
}
int ceilToInt(double value) {
    const int truncated = static_cast<int>(value);
    return truncated + (value > truncated);
}

}  // namespace

std::optional<QRect> CoarseArrowBox(double angle, double length, double peakLength,
                                    int thickness) {
    // Written so that a NaN never gives a box.
    if (!(std::fabs(angle) <= MaxAngle && std::fabs(length) <= MaxLength &&
          std::fabs(peakLength) <= MaxLength))
        return std::nullopt;
    const SineCosine near = NearSineCosine(angle);
    const double margin = marginOf(length, peakLength, thickness);
    const double tipX = near.cosine * length;
    const double tipY = near.sine * length;
    const double head1X = tipX - (near.cosine * CosHead - near.sine * SinHead) * peakLength;
    const double head1Y = tipY - (near.sine * CosHead + near.cosine * SinHead) * peakLength;
    const double head2X = tipX - (near.cosine * CosHead + near.sine * SinHead) * peakLength;
    const double head2Y = tipY - (near.sine * CosHead - near.cosine * SinHead) * peakLength;
    const double left = std::min(std::min(0.0, tipX), std::min(head1X, head2X)) - margin;
    const double right = std::max(std::max(0.0, tipX), std::max(head1X, head2X)) + margin;
    const double top = std::min(std::min(0.0, tipY), std::min(head1Y, head2Y)) - margin;
    const double bottom = std::max(std::max(0.0, tipY), std::max(head1Y, head2Y)) + margin;
    return QRect(QPoint(floorToInt(left), floorToInt(top)),
                 QPoint(ceilToInt(right), ceilToInt(bottom)));
}

CoarseArrowBoxes::CoarseArrowBoxes(double maxMagnitude, const ArrowOptions& options)
    : maxMagnitude_(maxMagnitude),
      maxLength_(options.ArrowMaxLength),
      minLength_(options.ArrowMinLength),
      peakLength_(options.ArrowPeakLength),
      thickness_(options.ArrowThickness) {}

void CoarseArrowBoxes::findOne(int k, double direction, double magnitude) {
    const auto index = static_cast<std::size_t>(k);
    // The angle and length as ScreenAngleOf and ArrowShaper::lengthOf compute them.
    const std::optional<QRect> box =
        CoarseArrowBox(ScreenAngleOf(direction), magnitude / maxMagnitude_ * maxLength_ + minLength_,
                       peakLength_, thickness_);
    left[index] = box ? box->left() : 1;
    top[index] = box ? box->top() : 0;
    right[index] = box ? box->right() : 0;
    bottom[index] = box ? box->bottom() : 0;
}

void CoarseArrowBoxes::findFor(const double* directions, const double* magnitudes, int count) {
    const auto size = static_cast<std::size_t>(count);
    left.resize(size);
    top.resize(size);
    right.resize(size);
    bottom.resize(size);
    int k = 0;
#ifdef __SSE2__
    // Two arrows at a time, in the steps of CoarseArrowBox, with the sine and cosine from short
    // polynomials. The lanes' quarter turns are counted by adding 1.5 * 2^52, which leaves the
    // nearest whole number in the low bits.
    if (std::fabs(peakLength_) <= MaxLength) {
        const __m128d ninety = _mm_set1_pd(90);
        const __m128d pi = _mm_set1_pd(ArrowPi);
        const __m128d halfCircle = _mm_set1_pd(180);
        const __m128d maxMagnitude = _mm_set1_pd(maxMagnitude_);
        const __m128d maxLength = _mm_set1_pd(maxLength_);
        const __m128d minLength = _mm_set1_pd(minLength_);
        const __m128d peak = _mm_set1_pd(peakLength_);
        const __m128d cosHead = _mm_set1_pd(CosHead);
        const __m128d sinHead = _mm_set1_pd(SinHead);
        const __m128d noSign = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFF));
        const __m128d maxAngle = _mm_set1_pd(MaxAngle);
        const __m128d maxLengthAllowed = _mm_set1_pd(MaxLength);
        const __m128d shift = _mm_set1_pd(6755399441055744.0);
        const __m128d twoOverPi = _mm_set1_pd(sine_cosine_detail::TwoOverPi);
        const __m128d halfPi = _mm_set1_pd(1.57079632679489661923);
        const __m128d one = _mm_set1_pd(1);
        const __m128i oneBit = _mm_set1_epi64x(1);
        const __m128i twoBit = _mm_set1_epi64x(2);
        const __m128d baseMargin = _mm_set1_pd(marginOf(0, peakLength_, thickness_));
        const __m128d error = _mm_set1_pd(SineCosineError);
        const __m128d zero = _mm_setzero_pd();
        // a x^3 + b x^2 + c x + d.
        const auto cubic = [](__m128d x, double a, double b, double c, double d) {
            __m128d sum = _mm_add_pd(_mm_mul_pd(_mm_set1_pd(a), x), _mm_set1_pd(b));
            sum = _mm_add_pd(_mm_mul_pd(sum, x), _mm_set1_pd(c));
            return _mm_add_pd(_mm_mul_pd(sum, x), _mm_set1_pd(d));
        };
        // The two lanes' 64-bit masks or values as two ints, in the low half.
        const auto lanesAsInts = [](__m128d lanes) {
            return _mm_shuffle_epi32(_mm_castpd_si128(lanes), _MM_SHUFFLE(3, 3, 2, 0));
        };
        const auto floors = [&](__m128d x) {
            const __m128i truncated = _mm_cvttpd_epi32(x);
            return _mm_add_epi32(truncated,
                                 lanesAsInts(_mm_cmplt_pd(x, _mm_cvtepi32_pd(truncated))));
        };
        const auto ceilings = [&](__m128d x) {
            const __m128i truncated = _mm_cvttpd_epi32(x);
            return _mm_sub_epi32(truncated,
                                 lanesAsInts(_mm_cmpgt_pd(x, _mm_cvtepi32_pd(truncated))));
        };
        for (; k + 2 <= count; k += 2) {
            const __m128d angle = _mm_div_pd(
                _mm_mul_pd(_mm_sub_pd(_mm_loadu_pd(directions + k), ninety), pi), halfCircle);
            const __m128d length = _mm_add_pd(
                _mm_mul_pd(_mm_div_pd(_mm_loadu_pd(magnitudes + k), maxMagnitude), maxLength),
                minLength);
            const __m128d valid =
                _mm_and_pd(_mm_cmple_pd(_mm_and_pd(angle, noSign), maxAngle),
                           _mm_cmple_pd(_mm_and_pd(length, noSign), maxLengthAllowed));

            const __m128d shifted = _mm_add_pd(_mm_mul_pd(angle, twoOverPi), shift);
            const __m128d r = _mm_sub_pd(angle, _mm_mul_pd(_mm_sub_pd(shifted, shift), halfPi));
            const __m128d r2 = _mm_mul_pd(r, r);
            const __m128d sineR = _mm_add_pd(
                r, _mm_mul_pd(_mm_mul_pd(r, r2),
                              cubic(r2, 1.0 / 362880, -1.0 / 5040, 1.0 / 120, -1.0 / 6)));
            const __m128d cosineR = _mm_add_pd(
                one, _mm_mul_pd(r2, cubic(r2, 1.0 / 40320, -1.0 / 720, 1.0 / 24, -0.5)));
            // Odd quarter turns swap the sine and cosine; the sine changes sign in quarter
            // turns 2 and 3, the cosine in 1 and 2.
            const __m128i quarterTurns = _mm_castpd_si128(shifted);
            const __m128d odd = _mm_castsi128_pd(
                _mm_sub_epi64(_mm_setzero_si128(), _mm_and_si128(quarterTurns, oneBit)));
            const __m128d swap = _mm_and_pd(_mm_xor_pd(sineR, cosineR), odd);
            const __m128d sine = _mm_xor_pd(
                _mm_xor_pd(sineR, swap),
                _mm_castsi128_pd(_mm_slli_epi64(_mm_and_si128(quarterTurns, twoBit), 62)));
            const __m128d cosine = _mm_xor_pd(
                _mm_xor_pd(cosineR, swap),
                _mm_castsi128_pd(_mm_slli_epi64(
                    _mm_and_si128(_mm_add_epi64(quarterTurns, oneBit), twoBit), 62)));

            const __m128d tipX = _mm_mul_pd(cosine, length);
            const __m128d tipY = _mm_mul_pd(sine, length);
            const __m128d cc = _mm_mul_pd(cosine, cosHead);
            const __m128d ss = _mm_mul_pd(sine, sinHead);
            const __m128d sc = _mm_mul_pd(sine, cosHead);
            const __m128d cs = _mm_mul_pd(cosine, sinHead);
            const __m128d head1X = _mm_sub_pd(tipX, _mm_mul_pd(_mm_sub_pd(cc, ss), peak));
            const __m128d head1Y = _mm_sub_pd(tipY, _mm_mul_pd(_mm_add_pd(sc, cs), peak));
            const __m128d head2X = _mm_sub_pd(tipX, _mm_mul_pd(_mm_add_pd(cc, ss), peak));
            const __m128d head2Y = _mm_sub_pd(tipY, _mm_mul_pd(_mm_sub_pd(sc, cs), peak));
            const __m128d margin =
                _mm_add_pd(baseMargin, _mm_mul_pd(_mm_and_pd(length, noSign), error));
            const __m128d lefts = _mm_sub_pd(
                _mm_min_pd(_mm_min_pd(zero, tipX), _mm_min_pd(head1X, head2X)), margin);
            const __m128d rights = _mm_add_pd(
                _mm_max_pd(_mm_max_pd(zero, tipX), _mm_max_pd(head1X, head2X)), margin);
            const __m128d tops = _mm_sub_pd(
                _mm_min_pd(_mm_min_pd(zero, tipY), _mm_min_pd(head1Y, head2Y)), margin);
            const __m128d bottoms = _mm_add_pd(
                _mm_max_pd(_mm_max_pd(zero, tipY), _mm_max_pd(head1Y, head2Y)), margin);

            // An arrow without a box gets left 1 and right 0.
            const __m128i given = lanesAsInts(valid);
            const __m128i leftInts = _mm_or_si128(_mm_and_si128(given, floors(lefts)),
                                                  _mm_andnot_si128(given, _mm_set1_epi32(1)));
            const __m128i rightInts = _mm_and_si128(given, ceilings(rights));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(left.data() + k), leftInts);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(top.data() + k), floors(tops));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(right.data() + k), rightInts);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(bottom.data() + k), ceilings(bottoms));
        }
    }
#endif
    for (; k < count; ++k) findOne(k, directions[k], magnitudes[k]);
}
