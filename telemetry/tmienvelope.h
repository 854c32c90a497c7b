#ifndef TMIENVELOPE_H
#define TMIENVELOPE_H

#include <QtGlobal>

#include <vector>

// What a chart draws in one pixel column: the lowest and highest value of
// the points that fall in it, the first and the last (for the lines to the
// neighbouring columns), and whether its first point continues the line of
// the point before it.
struct TmiEnvelopeColumn
{
    int count = 0; // points with a value; 0: nothing to draw
    float min = 0;
    float max = 0;
    float first = 0;
    float last = 0;
    bool joined = false;

    friend bool operator==(const TmiEnvelopeColumn &a, const TmiEnvelopeColumn &b)
    {
        return a.count == b.count && (a.count == 0
                                      || (a.min == b.min && a.max == b.max && a.first == b.first
                                          && a.last == b.last && a.joined == b.joined));
    }
};

// A min/max envelope of points over pixel columns: whatever the number of
// points, a chart draws at most two lines per column. One pass over the
// points in view; the points are read from plain arrays.
//
// Point i lies at x[i] (never decreasing) with value y[i]; a NaN value is a
// gap. The range [from, to] is divided into `columns` equal columns; point
// x goes to column floor((x - from) / (to - from) * columns), x == to to the
// last. A point's line comes from the point before it when that point has
// a value and lies at most maxGap before it (a longer pause in the pages is
// a gap too).
class TmiEnvelope
{
public:
    struct Result
    {
        std::vector<TmiEnvelopeColumn> columns;
        int first = 0; // the first point in range
        int end = 0;   // one past the last
        float min = 0; // over the points in range with a value
        float max = 0;
        bool hasValues = false;
    };

    static Result compute(const quint32 *x, const float *y, int count, double from, double to, int columns,
                          double maxGap);
};

#endif // TMIENVELOPE_H
