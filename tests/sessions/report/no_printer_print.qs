# Without a default printer the form warns once at start-up and lays the report out on the fallback
# page of 4676 x 6744 dots; nothing is calculated, so section 3 says so.
printer none
clock 2026-03-04 05:06:07
start
command print
