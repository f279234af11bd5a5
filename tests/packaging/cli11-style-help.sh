#!/bin/sh
# Prints a help text in the layout of CLI11's formatter: "-h,--help" without a blank, a value's
# type after the names, and names too long for their column with the text on the next line.
cat <<'HELP'
Show how often each chance came up in a history of spins.
Usage: spintrak-stats [OPTIONS] [FILE...]

Positionals:
  FILE TEXT ...               files of spins, oldest first; - is standard input

Options:
  -h,--help                   Print this help message and exit
  -f,--format TEXT:{text,csv,json} [text] 
                              text, csv or json
  --color TEXT:{auto,always,never} [auto] 
                              colour the text; NO_COLOR turns auto off
  -s,--skip-invalid           leave out tokens that are not wheel numbers
  --sessions                  list the sessions Spintrak keeps
  --last                      read the most recent session
  --tables                    list the tables
  --table TEXT                read all the sessions of a table
  -a,--analysis               analyse the spins instead of counting them
  -w,--window UINT            analyse only the last N spins
  -p,--plot TEXT              draw the analysis into an .svg, .png or .pdf file
  -V,--version                Display program version information and exit
HELP
