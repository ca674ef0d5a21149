#include "toolkit/DataSet.h"

// The data set's signals live with it, so that a program without windows links them alone.
#include "moc_DataSet.cpp"
