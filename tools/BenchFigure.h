// One benchmark figure: the values of its rounds, with their median and spread.
#pragma once
#include <algorithm>
#include <vector>

struct Figure
{
    std::vector<double> values;
    double Median() const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
    double Low() const { return *std::min_element(values.begin(), values.end()); }
    double High() const { return *std::max_element(values.begin(), values.end()); }
};
