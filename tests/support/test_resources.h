#pragma once
// Templates only the framework's tests use.
#define IDD_TEST_NUMBER_PAGE    9001
#define IDC_TEST_NUMBER         9002
