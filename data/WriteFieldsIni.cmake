# Writes the program folder's Fields.ini (cmake -DSOURCE=... -DOUTPUT=... -P):
# the shipped file with CR LF line breaks and a YEAR section holding the
# current year and the nine after it, for the credit card expiry drop-down.
file(READ "${SOURCE}" text)
string(TIMESTAMP year "%Y")
set(section "[YEAR]\n")
foreach(n RANGE 0 9)
  math(EXPR shown "${year} + ${n}")
  string(APPEND section "YEAR${n}=${shown}|${shown}\n")
endforeach()
string(APPEND text "\n${section}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
# A failed run leaves no half-written file behind.
file(WRITE "${OUTPUT}.part" "${text}")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
