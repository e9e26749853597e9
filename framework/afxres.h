#pragma once
// Resources the framework itself uses. The program's resource script supplies
// them, as an application supplies its framework's resources: the help window,
// and the help topics it shows.
#define AFX_IDD_HELP       30721  /* the help window */
#define AFX_IDC_HELP_TEXT  30722  /* its read-only text */

// Resource type of a help topic: plain ASCII text named by the template id of
// the page or dialog it explains. The first line is the topic's title; every
// further line is a paragraph or a line of a list, shown as it stands.
#define AFX_RT_HELPTEXT    241
