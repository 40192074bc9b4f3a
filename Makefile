# The two commands of the README, and a few more for the people who work on Quelva.
BUILD := build
JOBS  ?= 2

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
