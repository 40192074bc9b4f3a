#pragma once
// What assistive technology is told of a chart: a list named after the variable, whose items are the bars,
// each read as "locality: value" (or "text: count"), the keyboard's bar being the focused one.
namespace quelva {

// Once for the program: the toolkit then asks here for every chart's interface.
void installChartAccessibility();

}  // namespace quelva
